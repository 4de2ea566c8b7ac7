// The display options of the main window: colours, envelope and its mix,
// the table button, and the zoom buttons beside the plot.

#include "display/AreaGrafico.h"
#include "display/EnvolventeCalc.h"
#include "mainwindow/BarraEstado.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "widgets/Ampulheta.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace {

QRadioButton* Opcao(const QString& texto, QWidget* pai, int esq, int topo, int larg) {
    auto* o = new QRadioButton(texto, pai);
    ColocaTwips(o, esq, topo, larg, 255);
    return o;
}

QPushButton* Botao(const QString& texto, QWidget* pai, int larg, int alt) {
    auto* b = new QPushButton(texto, pai);
    b->resize(Px(larg), Px(alt));
    return b;
}

} // namespace

void JanelaEspectro::CriaBotoes() {
    quadroCores_ = new QGroupBox(QStringLiteral("Cores"), this);
    ColocaTwips(quadroCores_, 7485, 240, 2535, 800);
    opcaoColorido_ = Opcao(QStringLiteral("Colorido"), quadroCores_, 120, 240, 1140);
    opcaoSemCores_ = Opcao(QStringLiteral("Sem cores"), quadroCores_, 1290, 240, 1200);
    botaoTodasBandas_ = new QPushButton(QStringLiteral("Mostrar Todas as Bandas"), quadroCores_);
    ColocaTwips(botaoTodasBandas_, 120, 480, 2295, 270);
    botaoTodasBandas_->setEnabled(false);

    quadroEnvolvente_ = new QGroupBox(QStringLiteral("Envolvente"), this);
    ColocaTwips(quadroEnvolvente_, 7485, 1080, 2535, 780);
    opcaoComEnvolvente_ =
        Opcao(QStringLiteral("Com envolvente"), quadroEnvolvente_, 120, 225, 2295);
    opcaoSemEnvolvente_ =
        Opcao(QStringLiteral("Sem envolvente"), quadroEnvolvente_, 120, 480, 2295);

    quadroMistura_ = new QGroupBox(this);
    quadroMistura_->resize(Px(2535), Px(415));
    auto* gau = new QLabel(QStringLiteral("Gau"), quadroMistura_);
    ColocaTwips(gau, 45, 90, 360, 255);
    controleMistura_ = new QSlider(Qt::Horizontal, quadroMistura_);
    ColocaTwips(controleMistura_, 420, 60, 1695, 300);
    controleMistura_->setRange(0, 100);
    controleMistura_->setSingleStep(1);
    controleMistura_->setPageStep(5);
    controleMistura_->setValue(50);
    auto* lor = new QLabel(QStringLiteral("Lor"), quadroMistura_);
    ColocaTwips(lor, 2130, 90, 360, 255);
    rotuloMistura_ = new QLabel(QStringLiteral("50 % Gaussiana + 50 % Lorentziana"), this);
    rotuloMistura_->resize(Px(3630), Px(240));

    botaoTabela_ = Botao(QStringLiteral("Fechar tabela"), this, 1215, 375);
    botaoExecutar_ = Botao(QStringLiteral("Executar"), this, 975, 375);
    botaoAmpliarV_ = Botao(QStringLiteral("▲"), this, 255, 615);
    botaoReduzirV_ = Botao(QStringLiteral("▼"), this, 255, 735);
    botaoAmpliarV_->setToolTip(QStringLiteral("Ampliar verticalmente"));
    botaoReduzirV_->setToolTip(QStringLiteral("Reduzir verticalmente"));
}

void JanelaEspectro::MostraCores(bool sim) {
    for (int i = 1; i <= NProt_; ++i) {
        botaoCorProton_[std::size_t(i)]->setVisible(sim);
        amostraCor_[std::size_t(i)]->setVisible(sim);
    }
}

void JanelaEspectro::EscolheColorido() {
    const Ampulheta ampulheta;
    opcaoColorido_->setChecked(true);
    o_.Colorido = true;
    MostraCores(true);
    acoes_.colorido->setChecked(true);
    acoes_.semCores->setChecked(false);
    areaGrafico_->Grafico();
}

void JanelaEspectro::EscolheSemCores() {
    const Ampulheta ampulheta;
    opcaoSemCores_->setChecked(true);
    o_.Colorido = false;
    MostraCores(false);
    acoes_.colorido->setChecked(false);
    acoes_.semCores->setChecked(!acoes_.semHistograma->isChecked());
    MostraTodasBandas();
}

// The "Histograma" menu: 0 "Colorido", 1 "Sem cores", 2 "Sem Histograma".
void JanelaEspectro::EscolheHistograma(int escolha) {
    acoes_.colorido->setChecked(escolha == 0);
    acoes_.semCores->setChecked(escolha == 1);
    acoes_.semHistograma->setChecked(escolha == 2);
    g_.HistogramaOculto = escolha == 2;
    if (escolha == 0) {
        quadroCores_->setVisible(!o_.TelaPequena);
        EscolheColorido();
    } else if (escolha == 1) {
        quadroCores_->setVisible(ComTabela_ && !o_.TelaPequena);
        EscolheSemCores();
    } else {
        quadroCores_->hide();
    }
    areaGrafico_->Restaurar();
}

void JanelaEspectro::OpcaoEnvolvente(bool ligada) {
    const Ampulheta ampulheta;
    (ligada ? opcaoComEnvolvente_ : opcaoSemEnvolvente_)->setChecked(true);
    rotuloMistura_->setVisible(ligada && !o_.TelaPequena);
    quadroMistura_->setVisible(ligada);
    acoes_.comEnvolvente->setChecked(ligada);
    acoes_.semEnvolvente->setChecked(!ligada);
    g_.env.EnvolventeLigada = ligada;
    AtualizaPainelPontos();
    areaGrafico_->OpcaoEnvolvente(ligada);
}

void JanelaEspectro::AtualizaPainelPontos() {
    const bool ligada = g_.env.EnvolventeLigada;
    barra_->Painel(1)->setVisible(ligada);
    barra_->Painel(BarraEstado::PainelPontos)
        ->setText(ligada ? QString::number(g_.env.EnvPontos) : QString());
}

void JanelaEspectro::MisturaMovida(int valor) {
    areaGrafico_->MudaMistura(valor);
    rotuloMistura_->setText(QString::fromStdString(TextoMisturaInverso(valor)));
}

void JanelaEspectro::MisturaSolta() {
    const Ampulheta ampulheta;
    g_.env.MisturaMudou = true;
    areaGrafico_->Grafico();
    FocoNoGrafico();
}

void JanelaEspectro::AlternaTabela() {
    const Ampulheta ampulheta;
    if (botaoTabela_->text() != QStringLiteral("Fechar tabela")) {
        botaoTabela_->setText(QStringLiteral("Fechar tabela"));
        tabelaResultados_->Abre();
        DefineComTabela(true);
        opcaoColorido_->setChecked(true);
        o_.Colorido = true;
        acoes_.colorido->setEnabled(true);
        const bool semHistograma = acoes_.semHistograma->isChecked();
        if (!semHistograma) {
            quadroCores_->setVisible(!o_.TelaPequena);
            acoes_.colorido->setChecked(true);
            acoes_.semCores->setChecked(false);
        } else {
            acoes_.colorido->setChecked(false);
        }
        acoes_.copiarTabela->setEnabled(true);
        MostraCores(true);
        if (!TabelaPreenchida_)
            Executa();
        else
            areaGrafico_->Grafico();
    } else {
        botaoTabela_->setText(QStringLiteral("Abrir tabela"));
        tabelaResultados_->Fecha();
        DefineComTabela(false);
        g_.BandaMarcada = false;
        opcaoSemCores_->setChecked(true);
        o_.Colorido = false;
        quadroCores_->hide();
        acoes_.colorido->setChecked(false);
        acoes_.colorido->setEnabled(false);
        if (!acoes_.semHistograma->isChecked()) acoes_.semCores->setChecked(true);
        acoes_.copiarTabela->setEnabled(false);
        MostraCores(false);
        g_.FiltroAtivo = false;
        botaoTodasBandas_->setEnabled(false);
        areaGrafico_->Grafico();
    }
    FocoNoGrafico();
}
