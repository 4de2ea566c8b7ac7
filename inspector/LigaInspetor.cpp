#include "inspector/LigaInspetor.h"

#include "inspector/JanelaMatrizes.h"
#include "mainwindow/Form1.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/TabelaResultadosWidget.h"

#include <QPointer>

void LigaInspetor(MDIForm1& moldura) {
    Form1* f = moldura.form1();
    QObject::connect(
        f, &Form1::MatrizesPedidas, &moldura,
        [&moldura, f, janela = QPointer<JanelaMatrizes>()]() mutable {
            if (!janela) {
                janela = new JanelaMatrizes(
                    moldura.Estado(),
                    [f](int r, int c) { return f->MSFlexGrid1()->textMatrix(r, c); }, &moldura);
                QObject::connect(janela, &JanelaMatrizes::EspectroSimulado, &moldura, [&moldura] {
                    moldura.raise();
                    moldura.activateWindow();
                });
            }
            janela->show();
            janela->raise();
            janela->activateWindow();
        });
}
