// The two layouts of the main window, chosen once at start-up from the
// screen width, and the wide layout's plot growing with the window.

#include "display/AreaGrafico.h"
#include "mainwindow/BarraEstado.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/GradeAcoplamentos.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/OpcoesEspectro.h"
#include "mainwindow/PainelEntrada.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

void JanelaEspectro::AjTamanhoTela(int larguraPixels) {
    const bool compacto = larguraPixels * 15 < 15360;
    QWidget* paineis[] = {entrada_->painelDesloc(), entrada_->painelFrequencia(),
                          entrada_->painelLargura()};
    if (compacto) {
        acoes_.matrizes->setEnabled(false);
        QMessageBox caixa(
            QMessageBox::NoIcon, QStringLiteral("Resolução da Tela"),
            QStringLiteral("Este programa é mais apropriado para funcionar em uma resolução\r\n"
                           "de 1024 x 768 pixels. Em 800 x 600 pixels é possível ver os\r\n"
                           "espectros simulados, mas não é possível ver as matrizes. Se\r\n"
                           "quiser modificar a resolução, feche o programa e abra-o\r\n"
                           "novamente depois de modificar."),
            QMessageBox::Ok, this);
        caixa.exec();
        areaGrafico_->SetLayout(true);
        MoveTwips(areaGrafico_, 0, 1920);
        for (QWidget* p : paineis) MoveTwips(p, 0, TopoTwips(p));
        ColocaTwips(tabelaResultados_, 0, 7440, 9135, 900);
        MoveTwips(opcoes_->quadroMistura(), 9120, 7440);
        MoveTwips(botaoTabela_, 9240, 7920);
        MoveTwips(botaoExecutar_, 10680, 7920);
        MoveTwips(botaoAmpliarV_, 11640, 3600);
        MoveTwips(botaoReduzirV_, 11640, 4200);
        MoveTwips(entrada_->Acoplamentos().rotuloCabecalho(), 7440,
                  TopoTwips(entrada_->Acoplamentos().rotuloCabecalho()));
        MoveTwips(entrada_->rotuloCabecalho(), 480, TopoTwips(entrada_->rotuloCabecalho()));
        opcoes_->quadroCores()->hide();
        opcoes_->quadroEnvolvente()->hide();
        opcoes_->rotuloMistura()->hide();
        barra_->hide();
    } else {
        areaGrafico_->SetLayout(false);
        const int esq = 300;
        for (QWidget* p : paineis) MoveTwips(p, esq, TopoTwips(p));
        ColocaTwips(tabelaResultados_, esq, 1920, 9135, 2000);
        const int topo = 1920 + 2000;
        MoveTwips(areaGrafico_, esq, topo);
        MoveTwips(botaoAmpliarV_, 14860, topo + 60);
        MoveTwips(botaoReduzirV_, 14860, topo + 60 + 615);
        MoveTwips(entrada_->Acoplamentos().rotuloCabecalho(), 10560,
                  TopoTwips(entrada_->Acoplamentos().rotuloCabecalho()));
        const int esq7 = esq + 9135 + 60;
        MoveTwips(botaoTabela_, esq7, topo - 375 - 60);
        const int esq3 = esq7 + 1215 + 60;
        MoveTwips(opcoes_->quadroMistura(), esq3, topo - 415 - 75);
        MoveTwips(opcoes_->rotuloMistura(), esq3, topo - 415 - 75 - 240);
        MoveTwips(botaoExecutar_, esq3 + 2535 + 60, topo - 375 - 60);
        opcoes_->quadroCores()->show();
        opcoes_->quadroEnvolvente()->show();
        barra_->show();
    }
    o_.TelaPequena = compacto;
    opcoes_->AtualizaPainelPontos();
    // Wide enough for a 10-proton coupling grid and the vertical zoom buttons.
    setMinimumSize(compacto ? Px(11910) : Px(15210), compacto ? Px(8370) : Px(10470));
}

void JanelaEspectro::resizeEvent(QResizeEvent* ev) {
    QWidget::resizeEvent(ev);
    if (!o_.TelaPequena) relayout_.start();
}

void JanelaEspectro::AjustaGraficoAoEspaco() {
    if (o_.TelaPequena) return;
    // The room right of the plot for the zoom buttons and a margin, and
    // below it a margin above the status bar.
    constexpr int Botoes = 85 + 255 + 120, Margem = 120;
    const int borda = 2 * areaGrafico_->frameWidth();
    const int largura = width() - areaGrafico_->x() - Px(Botoes) - borda;
    const int altura = height() - areaGrafico_->y() - Px(Margem) - borda;
    areaGrafico_->AmpliaPara(15 * largura, 15 * altura);
    const int direita = areaGrafico_->geometry().right() + 1 + Px(85);
    botaoAmpliarV_->move(direita, areaGrafico_->y() + Px(60));
    botaoReduzirV_->move(direita, areaGrafico_->y() + Px(60 + 615));
    opcoes_->AtualizaPainelPontos();
}
