// The two layouts of the main window, chosen once at start-up from the
// screen width.

#include "display/Picture1.h"
#include "mainwindow/Form1.h"
#include "mainwindow/StatusBar1.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

void Form1::AjTamanhoTela(int larguraPixels) {
    const bool compacto = larguraPixels * 15 < 15360;
    QWidget* paineis[] = {Picture4_, Picture5_, Picture6_};
    if (compacto) {
        Menu("mnuForm2")->setEnabled(false);
        QMessageBox caixa(
            QMessageBox::NoIcon, QStringLiteral("Resolução da Tela"),
            QStringLiteral("Este programa é mais apropriado para funcionar em uma resolução\r\n"
                           "de 1024 x 768 pixels. Em 800 x 600 pixels é possível ver os\r\n"
                           "espectros simulados, mas não é possível ver as matrizes. Se\r\n"
                           "quiser modificar a resolução, feche o programa e abra-o\r\n"
                           "novamente depois de modificar."),
            QMessageBox::Ok, this);
        caixa.exec();
        Picture1_->SetLayout(true);
        MoveTwips(Picture1_, 0, 1920);
        for (QWidget* p : paineis) MoveTwips(p, 0, TopoTwips(p));
        ColocaTwips(MSFlexGrid1_, 0, 7440, 9135, 900);
        MoveTwips(Frame3_, 9120, 7440);
        MoveTwips(Command7_, 9240, 7920);
        MoveTwips(Command1_, 10680, 7920);
        MoveTwips(Command10_, 11640, 3600);
        MoveTwips(Command11_, 11640, 4200);
        MoveTwips(Label5(0), 7440, TopoTwips(Label5(0)));
        MoveTwips(Label5(1), 480, TopoTwips(Label5(1)));
        Frame1_->hide();
        Frame2_->hide();
        Label19_->hide();
        barra_->hide();
    } else {
        Picture1_->SetLayout(false);
        const int esq = 300;
        for (QWidget* p : paineis) MoveTwips(p, esq, TopoTwips(p));
        ColocaTwips(MSFlexGrid1_, esq, 1920, 9135, 2000);
        const int topo = 1920 + 2000;
        MoveTwips(Picture1_, esq, topo);
        MoveTwips(Command10_, 14860, topo + 60);
        MoveTwips(Command11_, 14860, topo + 60 + 615);
        MoveTwips(Label5(0), 10560, TopoTwips(Label5(0)));
        const int esq7 = esq + 9135 + 60;
        MoveTwips(Command7_, esq7, topo - 375 - 60);
        const int esq3 = esq7 + 1215 + 60;
        MoveTwips(Frame3_, esq3, topo - 415 - 75);
        MoveTwips(Label19_, esq3, topo - 415 - 75 - 240);
        MoveTwips(Command1_, esq3 + 2535 + 60, topo - 375 - 60);
        Frame1_->show();
        Frame2_->show();
        barra_->show();
    }
    o_.TelaPequena = compacto;
    AtualizaPainelPontos();
    // Wide enough for a 10-proton coupling grid and the vertical zoom buttons.
    setMinimumSize(compacto ? Px(11910) : Px(15210), compacto ? Px(8370) : Px(10470));
}
