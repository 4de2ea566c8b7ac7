#include "inspector/LigaInspetor.h"

#include "inspector/Form2.h"
#include "mainwindow/Form1.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/TabelaResultadosWidget.h"

#include <QPointer>

void LigaInspetor(MDIForm1& moldura) {
    Form1* f = moldura.form1();
    QObject::connect(
        f, &Form1::MatrizesPedidas, &moldura, [&moldura, f, form2 = QPointer<Form2>()]() mutable {
            if (!form2) {
                form2 = new Form2(
                    moldura.Estado(),
                    [f](int r, int c) { return f->MSFlexGrid1()->textMatrix(r, c); }, &moldura);
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
