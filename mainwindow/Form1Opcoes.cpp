// The display options of the main window: colours, envelope and its mix,
// the table button, and the zoom buttons beside the plot.

#include "widgets/Ampulheta.h"
#include "display/EnvolventeCalc.h"
#include "display/Picture1.h"
#include "mainwindow/Form1.h"
#include "mainwindow/StatusBar1.h"
#include "mainwindow/TabelaResultadosWidget.h"
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

void Form1::CriaBotoes() {
    Frame1_ = new QGroupBox(QStringLiteral("Cores"), this);
    ColocaTwips(Frame1_, 7485, 240, 2535, 800);
    Option1_ = Opcao(QStringLiteral("Colorido"), Frame1_, 120, 240, 1140);
    Option2_ = Opcao(QStringLiteral("Sem cores"), Frame1_, 1290, 240, 1200);
    Command21_ = new QPushButton(QStringLiteral("Mostrar Todas as Bandas"), Frame1_);
    ColocaTwips(Command21_, 120, 480, 2295, 270);
    Command21_->setEnabled(false);

    Frame2_ = new QGroupBox(QStringLiteral("Envolvente"), this);
    ColocaTwips(Frame2_, 7485, 1080, 2535, 780);
    Option5_ = Opcao(QStringLiteral("Com envolvente"), Frame2_, 120, 225, 2295);
    Option6_ = Opcao(QStringLiteral("Sem envolvente"), Frame2_, 120, 480, 2295);

    Frame3_ = new QGroupBox(this);
    Frame3_->resize(Px(2535), Px(415));
    auto* gau = new QLabel(QStringLiteral("Gau"), Frame3_);
    ColocaTwips(gau, 45, 90, 360, 255);
    Slider4_ = new QSlider(Qt::Horizontal, Frame3_);
    ColocaTwips(Slider4_, 420, 60, 1695, 300);
    Slider4_->setRange(0, 100);
    Slider4_->setSingleStep(1);
    Slider4_->setPageStep(5);
    Slider4_->setValue(50);
    auto* lor = new QLabel(QStringLiteral("Lor"), Frame3_);
    ColocaTwips(lor, 2130, 90, 360, 255);
    Label19_ = new QLabel(QStringLiteral("50 % Gaussiana + 50 % Lorentziana"), this);
    Label19_->resize(Px(3630), Px(240));

    Command7_ = Botao(QStringLiteral("Fechar tabela"), this, 1215, 375);
    Command1_ = Botao(QStringLiteral("Executar"), this, 975, 375);
    Command10_ = Botao(QStringLiteral("▲"), this, 255, 615);
    Command11_ = Botao(QStringLiteral("▼"), this, 255, 735);
    Command10_->setToolTip(QStringLiteral("Ampliar verticalmente"));
    Command11_->setToolTip(QStringLiteral("Reduzir verticalmente"));
}

void Form1::MostraCores(bool sim) {
    for (int i = 1; i <= NProt_; ++i) {
        Command4_[std::size_t(i)]->setVisible(sim);
        Label23_[std::size_t(i)]->setVisible(sim);
    }
}

void Form1::Option1_Click() {
    const Ampulheta ampulheta;
    Option1_->setChecked(true);
    o_.Colorido = true;
    MostraCores(true);
    Menu("mnuColorido")->setChecked(true);
    Menu("mnuSemCores")->setChecked(false);
    Picture1_->Grafico();
}

void Form1::Option2_Click() {
    const Ampulheta ampulheta;
    Option2_->setChecked(true);
    o_.Colorido = false;
    MostraCores(false);
    Menu("mnuColorido")->setChecked(false);
    Menu("mnuSemCores")->setChecked(!Menu("mnuSemHistograma")->isChecked());
    Command21_Click();
}

// The "Histograma" menu: 0 "Colorido", 1 "Sem cores", 2 "Sem Histograma".
void Form1::mnuHistograma(int escolha) {
    Menu("mnuColorido")->setChecked(escolha == 0);
    Menu("mnuSemCores")->setChecked(escolha == 1);
    Menu("mnuSemHistograma")->setChecked(escolha == 2);
    g_.HistogramaOculto = escolha == 2;
    if (escolha == 0) {
        Frame1_->setVisible(!o_.TelaPequena);
        Option1_Click();
    } else if (escolha == 1) {
        Frame1_->setVisible(ComTabela_ && !o_.TelaPequena);
        Option2_Click();
    } else {
        Frame1_->hide();
    }
    Picture1_->Restaurar();
}

void Form1::OpcaoEnvolvente(bool ligada) {
    const Ampulheta ampulheta;
    (ligada ? Option5_ : Option6_)->setChecked(true);
    Label19_->setVisible(ligada && !o_.TelaPequena);
    Frame3_->setVisible(ligada);
    Menu("mnuComEnvolvente")->setChecked(ligada);
    Menu("mnuSemEnvolvente")->setChecked(!ligada);
    g_.env.EnvolventeLigada = ligada;
    AtualizaPainelPontos();
    Picture1_->OpcaoEnvolvente(ligada);
}

void Form1::AtualizaPainelPontos() {
    const bool ligada = g_.env.EnvolventeLigada;
    barra_->Painel(1)->setVisible(ligada);
    barra_->Painel(StatusBar1::PainelPontos)
        ->setText(ligada ? QString::number(g_.env.EnvPontos) : QString());
}

void Form1::Slider4_Scroll(int valor) {
    Picture1_->MudaMistura(valor);
    Label19_->setText(QString::fromStdString(TextoMisturaInverso(valor)));
}

void Form1::Slider4_Change() {
    const Ampulheta ampulheta;
    g_.env.MisturaMudou = true;
    Picture1_->Grafico();
    FocoNoGrafico();
}

void Form1::Command7_Click() {
    const Ampulheta ampulheta;
    if (Command7_->text() != QStringLiteral("Fechar tabela")) {
        Command7_->setText(QStringLiteral("Fechar tabela"));
        MSFlexGrid1_->Abre();
        DefineComTabela(true);
        Option1_->setChecked(true);
        o_.Colorido = true;
        Menu("mnuColorido")->setEnabled(true);
        const bool semHistograma = Menu("mnuSemHistograma")->isChecked();
        if (!semHistograma) {
            Frame1_->setVisible(!o_.TelaPequena);
            Menu("mnuColorido")->setChecked(true);
            Menu("mnuSemCores")->setChecked(false);
        } else {
            Menu("mnuColorido")->setChecked(false);
        }
        Menu("mnuCopiarTabResult")->setEnabled(true);
        MostraCores(true);
        if (!TabelaPreenchida_)
            Command1_Click();
        else
            Picture1_->Grafico();
    } else {
        Command7_->setText(QStringLiteral("Abrir tabela"));
        MSFlexGrid1_->Fecha();
        DefineComTabela(false);
        g_.BandaMarcada = false;
        Option2_->setChecked(true);
        o_.Colorido = false;
        Frame1_->hide();
        Menu("mnuColorido")->setChecked(false);
        Menu("mnuColorido")->setEnabled(false);
        if (!Menu("mnuSemHistograma")->isChecked()) Menu("mnuSemCores")->setChecked(true);
        Menu("mnuCopiarTabResult")->setEnabled(false);
        MostraCores(false);
        g_.FiltroAtivo = false;
        Command21_->setEnabled(false);
        Picture1_->Grafico();
    }
    FocoNoGrafico();
}
