// "Arquivo" > "Exemplos": every built-in system opens and runs like a file.
#include "JanelaAux.h"
#include "Menus.h"

#include "formatos/Exemplos.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using aux::Local;
using aux::Modal;
using aux::Tela;

namespace {

TEST(Exemplos, MenuAgrupadoAbreERodaCadaUm) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    QMenu* arquivo = menus::Submenu(t.w.menuBar()->actions(), "Arquivo");
    ASSERT_TRUE(arquivo);
    QMenu* exemplos = menus::Submenu(arquivo->actions(), "Exemplos");
    ASSERT_TRUE(exemplos);
    EXPECT_EQ(exemplos->actions().size(), 5) << "one submenu per group";

    int abertos = 0;
    for (const Exemplo& ex : Exemplos()) {
        QMenu* grupo = menus::Submenu(exemplos->actions(),
                                      QString::fromUtf8(ex.grupo.data(), ex.grupo.size()));
        ASSERT_TRUE(grupo) << ex.grupo;
        QAction* item = nullptr;
        for (QAction* a : grupo->actions())
            if (a->text() == QString::fromUtf8(ex.rotulo.data(), ex.rotulo.size())) item = a;
        ASSERT_TRUE(item) << ex.rotulo;
        const Modal nenhum;
        item->trigger();
        EXPECT_EQ(nenhum.vezes(), 0) << ex.nome;
        EXPECT_EQ(t.w.windowTitle(),
                  "Halvora-[" + QString::fromUtf8(ex.nome.data()).left(int(ex.nome.size())) + "]");
        EXPECT_GT(f.Estado().NBandas, 0) << ex.nome;
        EXPECT_TRUE(f.DadosSalvos()) << ex.nome;
        ++abertos;
    }
    EXPECT_GE(abertos, 16);

    // A save asks where: the example itself is never written to.
    int dialogos = 0;
    f.Dialogos().EscolheArquivo = [&](bool salvar) {
        EXPECT_TRUE(salvar);
        ++dialogos;
        return QString();
    };
    f.Acoes().salvarDados->trigger();
    EXPECT_EQ(dialogos, 1);
}

} // namespace
