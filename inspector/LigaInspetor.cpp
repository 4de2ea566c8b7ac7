#include "inspector/LigaInspetor.h"

#include "inspector/Form2.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/Moldura.h"
#include "mainwindow/TabelaResultadosWidget.h"

#include <QPointer>

void LigaInspetor(Moldura& moldura) {
    JanelaEspectro* f = moldura.janela();
    QObject::connect(
        f, &JanelaEspectro::MatrizesPedidas, &moldura,
        [&moldura, f, form2 = QPointer<Form2>()]() mutable {
            if (!form2) {
                form2 = new Form2(
                    moldura.Estado(),
                    [f](int r, int c) { return f->tabelaResultados()->textMatrix(r, c); },
                    &moldura);
                QObject::connect(form2, &Form2::EspectroSimulado, &moldura, [&moldura] {
                    moldura.raise();
                    moldura.activateWindow();
                });
            }
            form2->show();
            form2->raise();
            form2->activateWindow();
        });
}
