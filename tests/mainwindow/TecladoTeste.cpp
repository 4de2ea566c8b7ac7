// The menus from the keyboard: Alt and a caption's underlined letter, F10,
// with the keyboard in a box that must not take the letter.
#include "JanelaAux.h"
#include "mainwindow/AcoesEspectro.h"

#include <QKeySequence>
#include <QSet>

#include <functional>

using aux::Tela;

namespace {

// The underlined letters of one menu's items, each a different one.
void ConfereLetras(const QList<QAction*>& acoes, const QString& onde) {
    QSet<QString> letras;
    for (const QAction* a : acoes) {
        if (a->isSeparator()) continue;
        const QString letra = QKeySequence::mnemonic(a->text()).toString();
        const std::string item = (onde + " › " + a->text()).toStdString();
        EXPECT_FALSE(letra.isEmpty()) << item;
        EXPECT_TRUE(letra.isEmpty() || !letras.contains(letra)) << item;
        letras.insert(letra);
    }
}

TEST(Teclado, CadaMenuTemSuaLetra) {
    Tela t;
    const QList<QAction*> barra = t.w.menuBar()->actions();
    ConfereLetras(barra, "barra");
    // The examples' groups are named by the data they list.
    const QMenu* exemplos = menus::Submenu(menus::Submenu(barra, "Arquivo")->actions(), "Exemplos");
    const std::function<void(const QMenu*, const QString&)> percorre = [&](const QMenu* m,
                                                                           const QString& onde) {
        if (m == exemplos) return;
        ConfereLetras(m->actions(), onde);
        for (const QAction* a : m->actions())
            if (a->menu()) percorre(a->menu(), onde + " › " + menus::Legenda(a));
    };
    for (const QAction* a : barra) percorre(a->menu(), menus::Legenda(a));

    // The items whose caption tells the program's state follow it.
    const AcoesEspectro& acoes = t.f.Acoes();
    for (bool primeira : {true, false}) {
        acoes.primeiraOrdem->trigger();
        EXPECT_EQ(t.f.Estado().PrimOrdem, primeira);
        EXPECT_EQ(menus::Legenda(acoes.primeiraOrdem).toStdString(),
                  primeira ? "Espectro de ordem superior" : "Espectro de Primeira Ordem");
    }
    for (const char* legenda : {"Fechar Visualização", "Visualizar Cópia"}) {
        const aux::Modal semTitulo(QMessageBox::No);
        acoes.visualizarCopia->trigger();
        EXPECT_EQ(menus::Legenda(acoes.visualizarCopia).toStdString(), legenda);
    }
}

// The menu bar's open menu, once the event loop has shown it.
const QMenu* MenuAberto(const QMenuBar& barra) {
    QTest::qWait(20);
    const QAction* a = barra.activeAction();
    return a && a->menu() && a->menu()->isVisible() ? a->menu() : nullptr;
}

void Fecha(QMenuBar& barra) {
    if (const QAction* a = barra.activeAction(); a && a->menu()) a->menu()->close();
    EXPECT_TRUE(QTest::qWaitFor([&barra] { return !barra.activeAction(); }));
}

// In a shift box, Alt and a menu's letter opens that menu, Alt and a letter
// no menu has types nothing, and F10 opens the first menu; the box stays as
// it was.
TEST(Teclado, AltELetraOuF10NaCaixaAbreOMenu) {
    Tela t;
    ASSERT_NO_FATAL_FAILURE(t.Mostra());
    QLineEdit* caixa = t.f.Entrada().caixaDesloc(1);
    caixa->setFocus(Qt::OtherFocusReason);
    const QString antes = caixa->text();
    QMenuBar& barra = *t.w.menuBar();
    QTest::keyClick(caixa, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(MenuAberto(barra), menus::Submenu(barra.actions(), "Ajuda"));
    Fecha(barra);
    caixa->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(caixa, Qt::Key_Z, Qt::AltModifier);
    QTest::keyClick(caixa, Qt::Key_F10);
    EXPECT_EQ(MenuAberto(barra), barra.actions().first()->menu());
    EXPECT_EQ(caixa->text().toStdString(), antes.toStdString());
    Fecha(barra);
}

} // namespace
