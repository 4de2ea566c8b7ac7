#include "mainwindow/Form1.h"

#include "display/Picture1.h"
#include "display/PintaFundo.h"
#include "mainwindow/PainelTempos.h"
#include "mainwindow/StatusBar1.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "widgets/Twips.h"
#include "run/TextoDecimal.h"
#include "run/ValoresIniciais.h"

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

Form1::Form1(EstadoSpin& estado, EstadoSpin& trabalho, const MolduraForm1& moldura, QWidget* parent)
    : QWidget(parent), e_(estado), trabalho_(trabalho), barra_(moldura.barra) {
    SepDec_ = QLocale().decimalPoint().at(0).toLatin1();
    o_.SepDec = SepDec_;
    e_.SepDec = SepDec_;
    CriaPainelEntrada();
    CriaGradeJ();
    CriaBotoes();
    Picture1_ = new Picture1(g_, o_, e_, this);
    MSFlexGrid1_ = new TabelaResultadosWidget(this);
    Picture3_ = new PainelTempos(Picture1_);
    ColocaTwips(Picture3_, 2880, 840, 6375, 3375);
    CriaMenus(moldura.menus);
    Liga();
    AjTamanhoTela(moldura.larguraTela ? *moldura.larguraTela
                                      : QGuiApplication::primaryScreen()->size().width());
    Form_Load();
}

Form1::~Form1() = default;

void Form1::Liga() {
    connect(Text1_, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text1_, &QLineEdit::returnPressed, this, &Form1::Text1_KeyPress);
    connect(Text110_, &QLineEdit::returnPressed, this, &Form1::Text110_KeyPress);
    connect(Text110_, &QLineEdit::textEdited, this, &Form1::Text110_Change);
    connect(Text12_, &QLineEdit::returnPressed, this, &Form1::Text12_KeyPress);
    connect(Text13_, &QLineEdit::returnPressed, this, &Form1::Text13_KeyPress);
    connect(Text13_, &QLineEdit::textChanged, this,
            [this](const QString& s) { o_.Text13 = s.toStdString(); });
    Text1_->installEventFilter(this);
    Text13_->installEventFilter(this);

    connect(Command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2_, &QPushButton::clicked, Picture1_, &Picture1::Restaurar);
    connect(Command7_, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command10_, &QPushButton::clicked, this, [this] { Picture1_->ZoomV(true); });
    connect(Command11_, &QPushButton::clicked, this, [this] { Picture1_->ZoomV(false); });
    connect(Command12_, &QPushButton::clicked, this, [this] { Picture1_->ZoomH(true); });
    connect(Command13_, &QPushButton::clicked, this, [this] { Picture1_->ZoomH(false); });
    connect(Command14_, &QPushButton::clicked, this, &Form1::Command14_Click);
    connect(Command21_, &QPushButton::clicked, this, &Form1::Command21_Click);
    connect(Option1_, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2_, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option5_, &QRadioButton::clicked, this, [this] { OpcaoEnvolvente(true); });
    connect(Option6_, &QRadioButton::clicked, this, [this] { OpcaoEnvolvente(false); });
    connect(Slider4_, &QSlider::valueChanged, this, [this](int v) {
        Slider4_Scroll(v);
        if (!Slider4_->isSliderDown()) Slider4_Change();
    });
    connect(Slider4_, &QSlider::sliderReleased, this, &Form1::Slider4_Change);
    connect(&Timer1_, &QTimer::timeout, this, [this] {
        Timer1_.stop();
        Picture3_->hide();
    });

    MSFlexGrid1_->DefinePodeMarcar([this] { return !g_.HistogramaOculto && !g_.Visualizando; });
    connect(MSFlexGrid1_, &TabelaResultadosWidget::BandaClicada, Picture1_, &Picture1::MarcaBanda);
    connect(Picture1_, &Picture1::BandaEscolhida, MSFlexGrid1_,
            &TabelaResultadosWidget::EscolheBanda);
    connect(Picture1_, &Picture1::DesfazRealce, MSFlexGrid1_,
            &TabelaResultadosWidget::DesfazRealce);
    connect(Picture1_, &Picture1::JanelaFixada, this, [this](bool fixa) {
        if (!fixa) emit ResultadosNovos();
    });
    connect(Picture1_, &Picture1::Restaurado, this, [this] { Command21_->setEnabled(false); });
    connect(Picture1_, &Picture1::JanelaFixada, this, [this](bool fixa) {
        Command12_->setEnabled(!fixa);
        Command13_->setEnabled(!fixa);
    });
    connect(Picture1_, &Picture1::TituloClicado, this, &Form1::Label7_DblClick);
    connect(Picture1_, &Picture1::VisualizacaoMudou, this, [this](bool visualizando) {
        Menu("mnuVisualizarCopia")
            ->setText(visualizando ? QStringLiteral("Fechar Visualização")
                                   : QStringLiteral("Visualizar Cópia"));
    });
    connect(Picture1_, &Picture1::FundoMudou, this, [this] {
        PintaFundo(Command4_[0], g_.CorProt[0]);
        PintaFundo(Label23_[0], g_.CorProt[0]);
    });
    connect(Picture1_, &Picture1::Redesenhado, this, [this] {
        const bool picos = g_.env.EnvolventeLigada;
        barra_->Painel(7)->setVisible(picos);
        barra_->Painel(StatusBar1::PainelPicos)
            ->setText(picos ? QString::number(g_.env.MaxEnvCount) : QString());
    });
}

bool Form1::eventFilter(QObject* obj, QEvent* ev) {
    const bool entra = ev->type() == QEvent::FocusIn, sai = ev->type() == QEvent::FocusOut;
    if (!entra && !sai) return QWidget::eventFilter(obj, ev);
    const auto razao = static_cast<QFocusEvent*>(ev)->reason();
    // Another window or a menu, not another control.
    const bool deFora = razao == Qt::ActiveWindowFocusReason || razao == Qt::PopupFocusReason;
    if (sai) {
        // Leaving for another window (or a menu) keeps the box's visit open.
        if (obj == Text1_) Text1Visitado_ = deFora;
        return QWidget::eventFilter(obj, ev);
    }
    if (obj == Text1_) {
        if (!(deFora && Text1Visitado_)) Text1_->clear();
        Text1Visitado_ = false;
    }
    if (obj == Text13_ && !deFora) QTimer::singleShot(0, Text13_, &QLineEdit::selectAll);
    return QWidget::eventFilter(obj, ev);
}

void Form1::Form_Load() {
    DefineComTabela(true);
    MostraTitulo("Default");
    Text1_->setText(QStringLiteral("3"));
    NProt_ = NProtInicial;
    for (int r = 1; r < NProtMax; ++r)
        for (int c = r + 1; c <= NProtMax; ++c)
            TextJ(r, c)->setText(QString::number(JInicial(r, c)));
    for (int i = 1; i <= NProtMax; ++i) {
        const double d = DeslocInicial[i - 1];
        Text2(i)->setText(QString::fromStdString(FormataGeral(d, 2, SepDec_)));
        Label6(i)->setText(QString::fromStdString(FormataGeral(d / MHzInicial, 3, SepDec_)));
    }
    Text110_->setText(QStringLiteral("300"));
    Text12_->setText(QString::fromStdString(FormataGeral(IntMinInicial, 2, SepDec_)));
    Text13_->setText(QStringLiteral("1"));
    Text111_ = TextoTolJac;
    Option1_->setChecked(true);
    Option5_->setChecked(true);
    PrepTextsDeslQuim();
    PrepTextsJ();
    Picture2_->hide();
    Label5_[0]->hide();
    MSFlexGrid1_->FlexPreenchBandas(e_);
    DadosSalvos_ = true;
    Command1_Click();
}

bool Form1::Form_QueryUnload() {
    if (DadosSalvos_) return true;
    const auto resposta = QMessageBox::warning(
        this, QStringLiteral("Salvar dados?"), QStringLiteral("Deseja salvar os dados de entrada?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (resposta == QMessageBox::No) return true;
    if (resposta == QMessageBox::Yes) mnuSalvarDadEntr_Click();
    return false;
}
