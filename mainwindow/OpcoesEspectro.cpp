// The display options of the main window: colours, band filter, envelope
// and its mix.

#include "mainwindow/OpcoesEspectro.h"
#include "display/AreaGrafico.h"
#include "display/EnvolventeCalc.h"
#include "display/TraducaoNucleo.h"
#include "mainwindow/AcoesEspectro.h"
#include "mainwindow/BarraEstado.h"
#include "mainwindow/PainelEntrada.h"
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

} // namespace

OpcoesEspectro::OpcoesEspectro(const PecasOpcoes& p, QWidget* janela)
    : QObject(janela), janela_(janela), g_(p.g), o_(p.o), acoes_(p.acoes), entrada_(p.entrada),
      areaGrafico_(p.areaGrafico), barra_(p.barra), tabelaAberta_(p.tabelaAberta) {
    CriaQuadros();
    connect(opcaoColorido_, &QRadioButton::clicked, this, &OpcoesEspectro::EscolheColorido);
    connect(opcaoSemCores_, &QRadioButton::clicked, this, &OpcoesEspectro::EscolheSemCores);
    connect(opcaoComEnvolvente_, &QRadioButton::clicked, this, [this] { OpcaoEnvolvente(true); });
    connect(opcaoSemEnvolvente_, &QRadioButton::clicked, this, [this] { OpcaoEnvolvente(false); });
    connect(botaoTodasBandas_, &QPushButton::clicked, this, &OpcoesEspectro::MostraTodasBandas);
    connect(controleMistura_, &QSlider::valueChanged, this, [this](int v) {
        MisturaMovida(v);
        if (!controleMistura_->isSliderDown()) MisturaSolta();
    });
    connect(controleMistura_, &QSlider::sliderReleased, this, &OpcoesEspectro::MisturaSolta);
}

void OpcoesEspectro::CriaQuadros() {
    quadroCores_ = new QGroupBox(tr("Cores"), janela_);
    // The contents start below the frame's title, which takes the top 300 twips.
    ColocaTwips(quadroCores_, 7485, 240, 2535, 840);
    opcaoColorido_ = Opcao(tr("Colorido"), quadroCores_, 120, 300, 1140);
    opcaoSemCores_ = Opcao(tr("Sem cores"), quadroCores_, 1290, 300, 1200);
    botaoTodasBandas_ = new QPushButton(tr("Mostrar Todas as Bandas"), quadroCores_);
    ColocaTwips(botaoTodasBandas_, 120, 540, 2295, 255);
    botaoTodasBandas_->setEnabled(false);

    quadroEnvolvente_ = new QGroupBox(tr("Envolvente"), janela_);
    ColocaTwips(quadroEnvolvente_, 7485, 1080, 2535, 840);
    opcaoComEnvolvente_ = Opcao(tr("Com envolvente"), quadroEnvolvente_, 120, 300, 2295);
    opcaoSemEnvolvente_ = Opcao(tr("Sem envolvente"), quadroEnvolvente_, 120, 540, 2295);

    quadroMistura_ = new QGroupBox(janela_);
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
    rotuloMistura_ = new QLabel(TraduzNucleo(TextoMistura(controleMistura_->value())), janela_);
    rotuloMistura_->resize(Px(3630), Px(240));
}

void OpcoesEspectro::EscolheColorido() {
    emit Editado();
    const Ampulheta ampulheta;
    opcaoColorido_->setChecked(true);
    o_.Colorido = true;
    entrada_.MostraCores(true);
    acoes_.colorido->setChecked(true);
    acoes_.semCores->setChecked(false);
    areaGrafico_.Grafico();
}

void OpcoesEspectro::EscolheSemCores() {
    emit Editado();
    const Ampulheta ampulheta;
    opcaoSemCores_->setChecked(true);
    o_.Colorido = false;
    entrada_.MostraCores(false);
    acoes_.colorido->setChecked(false);
    acoes_.semCores->setChecked(!acoes_.semHistograma->isChecked());
    MostraTodasBandas();
}

// The "Histograma" menu: 0 "Colorido", 1 "Sem cores", 2 "Sem Histograma".
void OpcoesEspectro::EscolheHistograma(int escolha) {
    acoes_.colorido->setChecked(escolha == 0);
    acoes_.semCores->setChecked(escolha == 1);
    acoes_.semHistograma->setChecked(escolha == 2);
    g_.HistogramaOculto = escolha == 2;
    if (escolha == 0) {
        quadroCores_->setVisible(!o_.TelaPequena);
        EscolheColorido();
    } else if (escolha == 1) {
        quadroCores_->setVisible(tabelaAberta_() && !o_.TelaPequena);
        EscolheSemCores();
    } else {
        quadroCores_->hide();
    }
    areaGrafico_.Restaurar();
}

void OpcoesEspectro::OpcaoEnvolvente(bool ligada) {
    emit Editado();
    const Ampulheta ampulheta;
    (ligada ? opcaoComEnvolvente_ : opcaoSemEnvolvente_)->setChecked(true);
    rotuloMistura_->setVisible(ligada && !o_.TelaPequena);
    quadroMistura_->setVisible(ligada);
    acoes_.comEnvolvente->setChecked(ligada);
    acoes_.semEnvolvente->setChecked(!ligada);
    g_.env.EnvolventeLigada = ligada;
    AtualizaPainelPontos();
    areaGrafico_.OpcaoEnvolvente(ligada);
}

void OpcoesEspectro::AtualizaPainelPontos() {
    const bool ligada = g_.env.EnvolventeLigada;
    barra_.Painel(1)->setVisible(ligada);
    barra_.Painel(BarraEstado::PainelPontos)
        ->setText(ligada ? QString::number(g_.env.EnvPontos) : QString());
}

void OpcoesEspectro::MisturaMovida(int valor) {
    areaGrafico_.MudaMistura(valor);
    rotuloMistura_->setText(TraduzNucleo(TextoMistura(valor)));
}

void OpcoesEspectro::MisturaSolta() {
    emit Editado();
    const Ampulheta ampulheta;
    g_.env.MisturaMudou = true;
    areaGrafico_.Grafico();
    areaGrafico_.FocoNoGrafico();
}

void OpcoesEspectro::FiltraProton(int i) {
    const Ampulheta ampulheta;
    areaGrafico_.FocoNoGrafico();
    g_.FiltroAtivo = true;
    g_.ProtFiltro = i;
    botaoTodasBandas_->setEnabled(true);
    areaGrafico_.Grafico();
}

void OpcoesEspectro::MostraTodasBandas() {
    const Ampulheta ampulheta;
    areaGrafico_.FocoNoGrafico();
    g_.FiltroAtivo = false;
    botaoTodasBandas_->setEnabled(false);
    areaGrafico_.Grafico();
}
