#include "display/Picture1.h"

#include "widgets/Ampulheta.h"
#include "display/CorQt.h"
#include "display/PintaFundo.h"

#include "display/EnvolventeCalc.h"
#include "display/Figura.h"
#include "display/Geometria.h"
#include "display/Grafico.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString FixarJanela = QStringLiteral("Fixar Janela");
const QString LiberarJanela = QStringLiteral("Liberar Janela");
const QString DicaFixar =
    QStringLiteral("Use este comando para manter a janela fixa na posição atual");
const QString DicaLiberar = QStringLiteral(
    "Use este comando para liberar e poder movimentar e ampliar a janela horizontalmente");

// Positions on the plot, in twips from the inner top-left corner. Title at
// the left, then readout, swatches and "Fixar Janela" along the top edge;
// the mix caption is right-aligned against the right edge.
constexpr int AlturaRotulo = 255;
constexpr int Label7Esq = 60, Label7Larg = 3150;
constexpr int Label13Esq = 3300, Label13Larg = 1050;
constexpr int Label8Esq = 4500, Label8Passo = 225, Label8Lado = 195, Label8Topo = 45;
constexpr int Command3Esq = 6480, Command3Larg = 1455;
constexpr int Label17Larg = 3450, MargemDireita = 60;
constexpr int AlturaHScroll = 255;

} // namespace

Picture1::Picture1(EstadoGrafico& g, OpcoesGrafico& o, EstadoSpin& e, QWidget* parent)
    : QFrame(parent), g_(g), o_(o), e_(e), tabelaVisivel_([this] { return e_.ComTabela; }),
      HScroll1_(new QScrollBar(Qt::Horizontal, this)), Label13_(new QLabel(this)),
      Label7_(new QLabel(this)), Label17_(new QLabel(this)),
      Command3_(new QPushButton(FixarJanela, this)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    // One unit of the scroll bar is one twip of offset at zoom 1.
    HScroll1_->setRange(0, 32767);
    HScroll1_->setSingleStep(150);
    HScroll1_->setPageStep(1500);
    HScroll1_->setValue(g_.HScroll1);
    HScroll1_->setCursor(Qt::ArrowCursor);
    connect(HScroll1_, &QScrollBar::valueChanged, this, &Picture1::HScroll1_Change);

    Label13_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Label13_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PintaFundo(Label13_, Rgb(255, 255, 255));
    Label13_->installEventFilter(this);

    for (std::size_t i = 0; i < Label8_.size(); ++i) {
        Label8_[i] = new QLabel(this);
        Label8_[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
        PintaFundo(Label8_[i], CoresFundo[i]);
        Label8_[i]->setCursor(Qt::ArrowCursor);
        Label8_[i]->installEventFilter(this);
    }

    Label7_->setToolTip(QStringLiteral("Clique duplo para mudar título"));
    Label7_->installEventFilter(this);
    Label17_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label17_->installEventFilter(this);
    PintaFundo(Label7_, g_.CorFundo);
    PintaFundo(Label17_, g_.CorFundo);
    Label17_->setVisible(g_.env.EnvolventeLigada);
    AtualizaRotulos();

    Command3_->setToolTip(DicaFixar);
    Command3_->setCursor(Qt::ArrowCursor);
    connect(Command3_, &QPushButton::clicked, this, &Picture1::Command3_Click);

    SetLayout(o_.TelaPequena);
}

void Picture1::SetLayout(bool compacto) {
    g_.env.EnvPontos = compacto ? PontosCompacto : PontosLargo;
    o_.TelaPequena = compacto;
    DefineTamanho(compacto ? LarguraCompacta : LarguraLarga,
                  compacto ? AlturaCompacta : AlturaLarga);
}

void Picture1::DefineAlturaExterna(int twips) {
    DefineTamanho(SW_, twips - 2 * 15 * frameWidth());
}

void Picture1::Limpa() {
    imagem_.fill(ParaQColor(g_.CorFundo));
    update();
}

void Picture1::DefineTamanho(int SW, int SH) {
    SW_ = SW;
    SH_ = SH;
    imagem_ = QImage(Px(SW_), Px(SH_), QImage::Format_RGB32);
    imagem_.fill(ParaQColor(g_.Visualizando ? Rgb(255, 255, 255) : g_.CorFundo));
    const int borda = frameWidth();
    setFixedSize(imagem_.width() + 2 * borda, imagem_.height() + 2 * borda);

    const auto coloca = [borda](QWidget* w, int esq, int topo, int larg, int alt) {
        w->setGeometry(Px(esq) + borda, Px(topo) + borda, Px(larg), Px(alt));
    };
    coloca(HScroll1_, 0, SH_ - AlturaHScroll, SW_, AlturaHScroll);
    coloca(Label7_, Label7Esq, 30, Label7Larg, AlturaRotulo);
    coloca(Label13_, Label13Esq, 30, Label13Larg, AlturaRotulo);
    for (std::size_t i = 0; i < Label8_.size(); ++i)
        coloca(Label8_[i], Label8Esq + Label8Passo * int(i), Label8Topo, Label8Lado, Label8Lado);
    coloca(Command3_, Command3Esq, 0, Command3Larg, 255);
    coloca(Label17_, SW_ - MargemDireita - Label17Larg, 30, Label17Larg, AlturaRotulo);
    update();
}

QString Picture1::ArqFiguraAtual() const {
    return arqFigura_.isEmpty() ? ArqFigura() : arqFigura_;
}

void Picture1::AtualizaRotulos() {
    Label7_->setText(QStringLiteral("Título: ") + QString::fromStdString(o_.TituloEspectro));
    Label17_->setText(QString::fromStdString(TextoMistura(o_.Slider4)));
}

void Picture1::Grafico() {
    if (e_.NProt == 0) return;
    if (!g_.Visualizando && !o_.CompararCurvas) Label7_->show();
    AtualizaRotulos();

    imagem_.fill(ParaQColor(g_.Visualizando ? Rgb(255, 255, 255) : g_.CorFundo));
    std::optional<int> rolar;
    {
        QPainter p(&imagem_);
        rolar = ::Grafico(Superficie{p, true, SW_, SH_}, g_, e_, o_);
    }
    update(contentsRect());
    emit Redesenhado();

    if (!rolar) return;
    // A fixed window cannot scroll: chasing the band would only walk the
    // (disabled) scroll bar to its end one redraw at a time.
    if (g_.JanelaFixa) {
        g_.RolarParaBanda = false;
        return;
    }
    // The change handler redraws with the band in view. A value beyond the
    // range is clamped; when that leaves the value unchanged nothing more
    // happens, so this never recurses without end.
    HScroll1_->setValue(*rolar);
}

void Picture1::HScroll1_Change(int valor) {
    MudaHScroll(g_, valor);
    FocoNoGrafico();
    Grafico();
}

void Picture1::Restaurar() {
    const bool visualizava = g_.Visualizando;
    Restaura(g_);
    {
        // Restaura has set the offset; the bar only has to follow.
        const QSignalBlocker bloqueio(HScroll1_);
        HScroll1_->setValue(HScrollNeutro);
    }
    emit DesfazRealce();
    emit Restaurado();
    if (visualizava) emit VisualizacaoMudou(false);
    Grafico();
    FocoNoGrafico();
}

void Picture1::ZoomH(bool ampliar) {
    ZoomHorizontal(g_, ampliar);
    FocoNoGrafico();
    Grafico();
}

void Picture1::ZoomV(bool ampliar) {
    ZoomVertical(g_, ampliar);
    FocoNoGrafico();
    Grafico();
}

void Picture1::Command3_Click() {
    const Ampulheta ampulheta;
    if (Command3_->text() == FixarJanela) {
        Command3_->setText(LiberarJanela);
        Command3_->setToolTip(DicaLiberar);
        HScroll1_->setEnabled(false);
        emit JanelaFixada(true);
        g_.JanelaFixa = true;
        g_.RecalcEscala = true;
        g_.env.EnvValida = false;
        g_.BandaMarcada = false;
        g_.EscalaVertFixa = g_.EscalaVertBase;
        Grafico();
    } else {
        Command3_->setText(FixarJanela);
        Command3_->setToolTip(DicaFixar);
        HScroll1_->setEnabled(true);
        emit JanelaFixada(false);
        g_.JanelaFixa = false;
        g_.env.EnvValida = false;
        g_.RecalcEscala = true;
        g_.BandaMarcada = false;
        Restaurar();
    }
    FocoNoGrafico();
}

void Picture1::MarcaBanda(int banda) {
    if (banda < 1 || banda > e_.NBandas) return;
    g_.FreqMarcada = e_.FreqBanda(banda);
    g_.IndiceMarcado = banda;
    g_.BandaMarcada = true;
    g_.RolarParaBanda = true;
    Grafico();
}

bool Picture1::CopiaEspectro(bool pretoEBranco) {
    g_.CopiaBP = pretoEBranco;
    g_.CopiandoFigura = true;
    SaiDaVisualizacao();

    const QString arquivo = ArqFiguraAtual();
    const bool gravou = GravaFigura(arquivo, g_, e_, o_, SW_, SH_, pretoEBranco);
    if (!gravou) {
        QMessageBox caixa(QMessageBox::NoIcon, QStringLiteral("Halvora"),
                          QStringLiteral("NECA DE PITIBIRIBA"), QMessageBox::Ok, this);
        caixa.exec();
    }
    // Only events that cannot start a redraw: one now would draw the copy's
    // annotation onto the screen.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // A file left by an earlier copy is stale: put nothing on the clipboard.
    if (gravou) {
        QFile f(arquivo);
        QByteArray svg;
        if (f.open(QIODevice::ReadOnly)) svg = f.readAll();
        if (!svg.isEmpty()) {
            auto* dados = new QMimeData;
            dados->setData(QStringLiteral("image/svg+xml"), svg);
            const QImage png = DesenhoPng(g_, e_, o_, SW_, SH_, pretoEBranco);
            if (!png.isNull()) dados->setImageData(png);
            QApplication::clipboard()->setMimeData(dados);
        }
    }

    g_.CopiandoFigura = false;
    Grafico();
    return gravou;
}

void Picture1::SaiDaVisualizacao() {
    if (!g_.Visualizando) return;
    g_.Visualizando = false;
    emit VisualizacaoMudou(false);
}

bool Picture1::AlternaVisualizacao() {
    emit DesfazRealce();
    if (!g_.Visualizando) {
        g_.Visualizando = true;
        EscondeRotulos();
        emit VisualizacaoMudou(true);
    } else {
        g_.Visualizando = false;
        MostraRotulos();
        emit VisualizacaoMudou(false);
    }
    Grafico();
    return g_.Visualizando;
}

void Picture1::OpcaoEnvolvente(bool ligada) {
    g_.env.EnvolventeLigada = ligada;
    g_.RecalcEscala = true;
    Label17_->setVisible(ligada);
    Grafico();
}

void Picture1::MudaMistura(int valor) {
    o_.Slider4 = valor;
    g_.env.MisturaMudou = true;
    Label17_->setText(QString::fromStdString(TextoMistura(valor)));
}

void Picture1::MostraRotulos() {
    Label13_->show();
    for (QLabel* l : Label8_) l->show();
    if (!o_.CompararCurvas) Label7_->show();
    if (g_.env.EnvolventeLigada) Label17_->show();
}

void Picture1::EscondeRotulos() {
    Label13_->hide();
    for (QLabel* l : Label8_) l->hide();
    Label7_->hide();
    Label17_->hide();
}

void Picture1::Label8_Click(int i) {
    const Ampulheta ampulheta;
    EscolheFundo(g_, i);
    PintaFundo(Label7_, g_.CorFundo);
    PintaFundo(Label17_, g_.CorFundo);
    emit FundoMudou();
    Grafico();
}

void Picture1::FocoNoGrafico() {
    if (isVisible()) setFocus(Qt::OtherFocusReason);
}

void Picture1::CursorPara(double Y) {
    cruz_ = Y <= g_.LinhaBase;
    setCursor(cruz_ ? Qt::CrossCursor : Qt::ArrowCursor);
}

void Picture1::paintEvent(QPaintEvent* ev) {
    QFrame::paintEvent(ev);
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), imagem_);
}

void Picture1::mouseMoveEvent(QMouseEvent* ev) {
    const QPoint q = ev->position().toPoint() - contentsRect().topLeft();
    const double X = q.x() * 15.0, Y = q.y() * 15.0;
    if (g_.TwPerHz != 0) {
        Label13_->setText(QString::fromStdString(TextoLeitura(g_, X, o_.SepDec)));
        if (!g_.Visualizando) MostraRotulos();
    }
    CursorPara(Y);
}

void Picture1::mousePressEvent(QMouseEvent* ev) {
    const QPoint q = ev->position().toPoint() - contentsRect().topLeft();
    const double X = q.x() * 15.0, Y = q.y() * 15.0;
    // The pointer got here through a move that set its shape.
    CursorPara(Y);
    if (ev->button() == Qt::LeftButton) {
        if (!tabelaVisivel_() || g_.Visualizando || g_.HistogramaOculto || !cruz_) return;
        const Ampulheta ampulheta;
        if (g_.TwPerHz == 0) return;
        if (const auto k = BandaMaisProxima(e_, FreqNoPonto(g_, X))) g_.BandaClicada = *k;
        if (g_.BandaClicada >= 1 && g_.BandaClicada <= e_.NBandas)
            emit BandaEscolhida(g_.BandaClicada);
    } else if (ev->button() == Qt::RightButton) {
        if (!g_.BandaMarcada) return;
        g_.BandaMarcada = false;
        emit DesfazRealce();
        Grafico();
    }
}

bool Picture1::eventFilter(QObject* obj, QEvent* ev) {
    const auto tipo = ev->type();
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonRelease &&
        tipo != QEvent::MouseButtonDblClick)
        return QFrame::eventFilter(obj, ev);
    // Clicks on the controls that sit on the plot stay there: they must not
    // select bands underneath.
    const auto* m = static_cast<QMouseEvent*>(ev);
    if (obj == Label7_ && tipo == QEvent::MouseButtonDblClick && m->button() == Qt::LeftButton)
        emit TituloClicado();
    for (std::size_t i = 0; i < Label8_.size(); ++i)
        if (obj == Label8_[i] && tipo == QEvent::MouseButtonRelease &&
            m->button() == Qt::LeftButton && Label8_[i]->rect().contains(m->position().toPoint()))
            Label8_Click(int(i));
    return true;
}
