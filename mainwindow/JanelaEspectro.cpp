#include "mainwindow/JanelaEspectro.h"

#include "display/AreaGrafico.h"
#include "display/PintaFundo.h"
#include "mainwindow/BarraEstado.h"
#include "mainwindow/PainelTempos.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "run/TextoDecimal.h"
#include "run/ValoresIniciais.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>

JanelaEspectro::JanelaEspectro(EstadoSpin& estado, EstadoSpin& trabalho,
                               const LigacaoMoldura& moldura, QWidget* parent)
    : QWidget(parent), e_(estado), trabalho_(trabalho), barra_(moldura.barra) {
    SepDec_ = QLocale().decimalPoint().at(0).toLatin1();
    o_.SepDec = SepDec_;
    e_.SepDec = SepDec_;
    CriaPainelEntrada();
    CriaGradeJ();
    CriaBotoes();
    areaGrafico_ = new AreaGrafico(g_, o_, e_, this);
    tabelaResultados_ = new TabelaResultadosWidget(this);
    painelTempos_ = new PainelTempos(areaGrafico_);
    ColocaTwips(painelTempos_, 2880, 840, 6375, 3375);
    CriaMenus(moldura.menus);
    Liga();
    AjTamanhoTela(moldura.larguraTela ? *moldura.larguraTela
                                      : QGuiApplication::primaryScreen()->size().width());
    Inicia();
}

JanelaEspectro::~JanelaEspectro() = default;

void JanelaEspectro::Liga() {
    connect(caixaNProt_, &QLineEdit::textChanged, this, &JanelaEspectro::VerificaNProt);
    connect(caixaNProt_, &QLineEdit::returnPressed, this, &JanelaEspectro::ConfirmaNProt);
    connect(caixaFrequencia_, &QLineEdit::returnPressed, this, &JanelaEspectro::ConfirmaFrequencia);
    connect(caixaFrequencia_, &QLineEdit::textEdited, this, &JanelaEspectro::OfereceMudarParaPpm);
    connect(caixaIntMin_, &QLineEdit::returnPressed, this, &JanelaEspectro::ConfirmaIntMin);
    connect(caixaLargura_, &QLineEdit::returnPressed, this, &JanelaEspectro::ConfirmaLargura);
    connect(caixaLargura_, &QLineEdit::textChanged, this,
            [this](const QString& s) { o_.TextoLargura = s.toStdString(); });
    caixaNProt_->installEventFilter(this);
    caixaLargura_->installEventFilter(this);

    connect(botaoExecutar_, &QPushButton::clicked, this, &JanelaEspectro::Executa);
    connect(botaoRestaurar_, &QPushButton::clicked, areaGrafico_, &AreaGrafico::Restaurar);
    connect(botaoTabela_, &QPushButton::clicked, this, &JanelaEspectro::AlternaTabela);
    connect(botaoAmpliarV_, &QPushButton::clicked, this, [this] { areaGrafico_->ZoomV(true); });
    connect(botaoReduzirV_, &QPushButton::clicked, this, [this] { areaGrafico_->ZoomV(false); });
    connect(botaoAmpliarH_, &QPushButton::clicked, this, [this] { areaGrafico_->ZoomH(true); });
    connect(botaoReduzirH_, &QPushButton::clicked, this, [this] { areaGrafico_->ZoomH(false); });
    connect(botaoHzPpm_, &QPushButton::clicked, this, &JanelaEspectro::AlternaHzPpm);
    connect(botaoTodasBandas_, &QPushButton::clicked, this, &JanelaEspectro::MostraTodasBandas);
    connect(opcaoColorido_, &QRadioButton::clicked, this, &JanelaEspectro::EscolheColorido);
    connect(opcaoSemCores_, &QRadioButton::clicked, this, &JanelaEspectro::EscolheSemCores);
    connect(opcaoComEnvolvente_, &QRadioButton::clicked, this, [this] { OpcaoEnvolvente(true); });
    connect(opcaoSemEnvolvente_, &QRadioButton::clicked, this, [this] { OpcaoEnvolvente(false); });
    connect(controleMistura_, &QSlider::valueChanged, this, [this](int v) {
        MisturaMovida(v);
        if (!controleMistura_->isSliderDown()) MisturaSolta();
    });
    connect(controleMistura_, &QSlider::sliderReleased, this, &JanelaEspectro::MisturaSolta);
    connect(&temporizadorTempos_, &QTimer::timeout, this, [this] {
        temporizadorTempos_.stop();
        painelTempos_->hide();
    });

    tabelaResultados_->DefinePodeMarcar(
        [this] { return !g_.HistogramaOculto && !g_.Visualizando; });
    connect(tabelaResultados_, &TabelaResultadosWidget::BandaClicada, areaGrafico_,
            &AreaGrafico::MarcaBanda);
    connect(areaGrafico_, &AreaGrafico::BandaEscolhida, tabelaResultados_,
            &TabelaResultadosWidget::EscolheBanda);
    connect(areaGrafico_, &AreaGrafico::DesfazRealce, tabelaResultados_,
            &TabelaResultadosWidget::DesfazRealce);
    connect(areaGrafico_, &AreaGrafico::Restaurado, this,
            [this] { botaoTodasBandas_->setEnabled(false); });
    connect(areaGrafico_, &AreaGrafico::JanelaFixada, this, [this](bool fixa) {
        botaoAmpliarH_->setEnabled(!fixa);
        botaoReduzirH_->setEnabled(!fixa);
    });
    connect(areaGrafico_, &AreaGrafico::TituloClicado, this, &JanelaEspectro::EditaTitulo);
    connect(areaGrafico_, &AreaGrafico::VisualizacaoMudou, this, [this](bool visualizando) {
        acoes_.visualizarCopia->setText(visualizando ? QStringLiteral("Fechar Visualização")
                                                     : QStringLiteral("Visualizar Cópia"));
    });
    connect(areaGrafico_, &AreaGrafico::FundoMudou, this, [this] {
        PintaFundo(botaoCorProton_[0], g_.CorProt[0]);
        PintaFundo(amostraCor_[0], g_.CorProt[0]);
    });
    connect(areaGrafico_, &AreaGrafico::Redesenhado, this, [this] {
        const bool picos = g_.env.EnvolventeLigada;
        barra_->Painel(7)->setVisible(picos);
        barra_->Painel(BarraEstado::PainelPicos)
            ->setText(picos ? QString::number(g_.env.MaxEnvCount) : QString());
    });
}

bool JanelaEspectro::eventFilter(QObject* obj, QEvent* ev) {
    const bool entra = ev->type() == QEvent::FocusIn, sai = ev->type() == QEvent::FocusOut;
    if (!entra && !sai) return QWidget::eventFilter(obj, ev);
    const auto razao = static_cast<QFocusEvent*>(ev)->reason();
    // Another window or a menu, not another control.
    const bool deFora = razao == Qt::ActiveWindowFocusReason || razao == Qt::PopupFocusReason;
    if (sai) {
        // Leaving for another window (or a menu) keeps the box's visit open.
        if (obj == caixaNProt_) caixaNProtVisitada_ = deFora;
        return QWidget::eventFilter(obj, ev);
    }
    if (obj == caixaNProt_) {
        if (!(deFora && caixaNProtVisitada_)) caixaNProt_->clear();
        caixaNProtVisitada_ = false;
    }
    if (obj == caixaLargura_ && !deFora)
        QTimer::singleShot(0, caixaLargura_, &QLineEdit::selectAll);
    return QWidget::eventFilter(obj, ev);
}

void JanelaEspectro::Inicia() {
    DefineComTabela(true);
    MostraTitulo("Default");
    caixaNProt_->setText(QStringLiteral("3"));
    NProt_ = NProtInicial;
    for (int r = 1; r < NProtMax; ++r)
        for (int c = r + 1; c <= NProtMax; ++c)
            caixaJ(r, c)->setText(QString::number(JInicial(r, c)));
    for (int i = 1; i <= NProtMax; ++i) {
        const double d = DeslocInicial[i - 1];
        caixaDesloc(i)->setText(QString::fromStdString(FormataGeral(d, 2, SepDec_)));
        rotuloOutraUnidade(i)->setText(
            QString::fromStdString(FormataGeral(d / MHzInicial, 3, SepDec_)));
    }
    caixaFrequencia_->setText(QStringLiteral("300"));
    caixaIntMin_->setText(QString::fromStdString(FormataGeral(IntMinInicial, 2, SepDec_)));
    caixaLargura_->setText(QStringLiteral("1"));
    textoTolJac_ = TextoTolJac;
    opcaoColorido_->setChecked(true);
    opcaoComEnvolvente_->setChecked(true);
    PrepTextsDeslQuim();
    PrepTextsJ();
    faixaColunasJ_->hide();
    rotuloCabecalho_[0]->hide();
    tabelaResultados_->FlexPreenchBandas(e_);
    DadosSalvos_ = true;
    Executa();
}

bool JanelaEspectro::PodeFechar() {
    if (DadosSalvos_) return true;
    const auto resposta = QMessageBox::warning(
        this, QStringLiteral("Salvar dados?"), QStringLiteral("Deseja salvar os dados de entrada?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (resposta == QMessageBox::No) return true;
    if (resposta == QMessageBox::Yes) SalvaDados();
    return false;
}
