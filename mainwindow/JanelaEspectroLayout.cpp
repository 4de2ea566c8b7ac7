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

#include <algorithm>

namespace {

// The wide layout, in twips: the input panels end at FimPaineis; the
// table's width; the row of buttons with the mix caption over it.
constexpr int Esq = 300, FimPaineis = 1920, LarguraTabela = 9135, TabelaMinima = 2000;
constexpr int AlturaFileira = 730;

} // namespace

void JanelaEspectro::AjTamanhoTela(int larguraPixels) {
    const bool compacto = larguraPixels * 15 < 15360;
    QWidget* paineis[] = {entrada_->painelDesloc(), entrada_->painelFrequencia(),
                          entrada_->painelLargura()};
    if (compacto) {
        acoes_.matrizes->setEnabled(false);
        QMessageBox caixa(QMessageBox::NoIcon, tr("Resolução da Tela"),
                          tr("Este programa é mais apropriado para funcionar em uma resolução\r\n"
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
        for (QWidget* p : paineis) MoveTwips(p, Esq, TopoTwips(p));
        ColocaTwips(tabelaResultados_, Esq, FimPaineis, LarguraTabela, TabelaMinima);
        const int topo = FimPaineis + TabelaMinima;
        MoveTwips(areaGrafico_, Esq, topo);
        MoveTwips(botaoAmpliarV_, 14860, topo + 60);
        MoveTwips(botaoReduzirV_, 14860, topo + 60 + 615);
        MoveTwips(entrada_->Acoplamentos().rotuloCabecalho(), 10560,
                  TopoTwips(entrada_->Acoplamentos().rotuloCabecalho()));
        PoeFileira(Esq + LarguraTabela + 60, topo);
        opcoes_->quadroCores()->show();
        opcoes_->quadroEnvolvente()->show();
        barra_->show();
    }
    o_.TelaPequena = compacto;
    opcoes_->AtualizaPainelPontos();
    // Wide enough for a 10-proton coupling grid and the vertical zoom
    // buttons; the wide layout's plot shrinks on a laptop's screen.
    setMinimumSize(compacto ? Px(11910) : Px(15210),
                   compacto ? Px(8370) : Px(FimPaineis + TabelaMinima + AlturaMinima + 400));
}

// "Fechar tabela", the mix with its caption and "Executar", their bottom
// edge 60 twips above the plot's top.
void JanelaEspectro::PoeFileira(int esq, int topoGrafico) {
    const int topo = topoGrafico - 375 - 60;
    MoveTwips(botaoTabela_, esq, topo);
    const int esqMistura = esq + 1215 + 60;
    MoveTwips(opcoes_->quadroMistura(), esqMistura, topoGrafico - 415 - 75);
    MoveTwips(opcoes_->rotuloMistura(), esqMistura, topoGrafico - 415 - 75 - 240);
    MoveTwips(botaoExecutar_, esqMistura + 2535 + 60, topo);
}

// Where the plot starts, for a plot whose bottom may reach `fundo` twips.
// The open table takes what the plot's usual height leaves, up to two fifths
// of the room; closed, it gives its room to the plot, and the row of
// buttons moves to its place, under the coupling grid.
int JanelaEspectro::TopoDoGrafico(int fundo) {
    if (!execucao_->ComTabela()) {
        const int grade = 15 * entrada_->Acoplamentos().Fundo() + 60;
        const int topo = std::max(FimPaineis + 60 + AlturaFileira, grade + AlturaFileira);
        PoeFileira(Esq, topo);
        return topo;
    }
    const int livre = fundo - FimPaineis;
    const int tabela =
        std::clamp(livre - AlturaLarga, TabelaMinima, std::max(TabelaMinima, livre * 2 / 5));
    ColocaTwips(tabelaResultados_, Esq, FimPaineis, LarguraTabela, tabela);
    PoeFileira(Esq + LarguraTabela + 60, FimPaineis + tabela);
    return FimPaineis + tabela;
}

void JanelaEspectro::resizeEvent(QResizeEvent* ev) {
    QWidget::resizeEvent(ev);
    if (!o_.TelaPequena) relayout_.start();
}

void JanelaEspectro::AjustaGraficoAoEspaco() {
    // A window not on screen has no size of its own yet: it keeps the
    // design layout until it is shown.
    if (o_.TelaPequena || !isVisible()) return;
    // The room right of the plot for the zoom buttons and a margin, and
    // below it a margin above the status bar.
    constexpr int Botoes = 85 + 255 + 120, Margem = 120;
    const int borda = 2 * areaGrafico_->frameWidth();
    const int fundo = 15 * (height() - borda) - Margem;
    const int topo = TopoDoGrafico(fundo);
    MoveTwips(areaGrafico_, Esq, topo);
    const int largura = width() - areaGrafico_->x() - Px(Botoes) - borda;
    areaGrafico_->AmpliaPara(15 * largura, fundo - topo);
    const int direita = areaGrafico_->geometry().right() + 1 + Px(85);
    botaoAmpliarV_->move(direita, areaGrafico_->y() + Px(60));
    botaoReduzirV_->move(direita, areaGrafico_->y() + Px(60 + 615));
    opcoes_->AtualizaPainelPontos();
}
