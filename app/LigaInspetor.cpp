#include "app/LigaInspetor.h"

#include "inspector/JanelaMatrizes.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/Moldura.h"
#include "mainwindow/TabelaResultadosWidget.h"

#include <QPointer>

namespace {

ConsultasInspetor Consultas(Moldura& moldura) {
    const JanelaEspectro* f = moldura.janela();
    return {[f](int r, int c) { return f->tabelaResultados()->textMatrix(r, c); },
            [f] { return f->SepDec(); }, [f] { return f->Execucao().ComTabela(); }};
}

JanelaMatrizes* CriaInspetor(Moldura& moldura) {
    auto* janela = new JanelaMatrizes(moldura.Estado(), Consultas(moldura), &moldura);
    QObject::connect(moldura.janela(), &JanelaEspectro::ResultadosNovos, janela,
                     &JanelaMatrizes::ResultadosNovos);
    QObject::connect(janela, &JanelaMatrizes::EspectroSimulado, &moldura, [&moldura] {
        moldura.raise();
        moldura.activateWindow();
    });
    return janela;
}

} // namespace

void LigaInspetor(Moldura& moldura) {
    QObject::connect(moldura.janela(), &JanelaEspectro::MatrizesPedidas, &moldura,
                     [&moldura, janela = QPointer<JanelaMatrizes>()]() mutable {
                         if (!janela) janela = CriaInspetor(moldura);
                         janela->show();
                         janela->raise();
                         janela->activateWindow();
                     });
}
