#include "app/LigaInspetor.h"

#include "inspector/JanelaMatrizes.h"
#include "mainwindow/Form1.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/TabelaResultadosWidget.h"

#include <QPointer>

namespace {

ConsultasInspetor Consultas(MDIForm1& moldura) {
    const EstadoSpin& e = moldura.Estado();
    const Form1* f = moldura.form1();
    return {[f](int r, int c) { return f->MSFlexGrid1()->textMatrix(r, c); },
            [&e] { return e.SepDec; }, [&e] { return e.ComTabela; }};
}

JanelaMatrizes* CriaInspetor(MDIForm1& moldura) {
    auto* janela = new JanelaMatrizes(moldura.Estado(), Consultas(moldura), &moldura);
    QObject::connect(moldura.form1(), &Form1::ResultadosNovos, janela,
                     &JanelaMatrizes::ResultadosNovos);
    QObject::connect(janela, &JanelaMatrizes::EspectroSimulado, &moldura, [&moldura] {
        moldura.raise();
        moldura.activateWindow();
    });
    return janela;
}

} // namespace

void LigaInspetor(MDIForm1& moldura) {
    QObject::connect(moldura.form1(), &Form1::MatrizesPedidas, &moldura,
                     [&moldura, janela = QPointer<JanelaMatrizes>()]() mutable {
                         if (!janela) janela = CriaInspetor(moldura);
                         janela->show();
                         janela->raise();
                         janela->activateWindow();
                     });
}
