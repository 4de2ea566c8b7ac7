#include "display/AreaGrafico.h"

#include "display/CorQt.h"
#include "display/PintaFundo.h"
#include "widgets/Ampulheta.h"

#include "display/EnvolventeCalc.h"
#include "display/Figura.h"
#include "display/Geometria.h"
#include "display/Grafico.h"
#include "display/TraducaoNucleo.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

const char* const FixarJanela = QT_TRANSLATE_NOOP("AreaGrafico", "Fixar Janela");
const char* const LiberarJanela = QT_TRANSLATE_NOOP("AreaGrafico", "Liberar Janela");
const char* const DicaFixar =
    QT_TRANSLATE_NOOP("AreaGrafico", "Use este comando para manter a janela fixa na posição atual");
const char* const DicaTitulo = QT_TRANSLATE_NOOP("AreaGrafico", "Clique duplo para mudar título");
const char* const DicaLiberar = QT_TRANSLATE_NOOP(
    "AreaGrafico",
    "Use este comando para liberar e poder movimentar e ampliar a janela horizontalmente");

// Positions on the plot, in twips from the inner top-left corner. Title at
// the left, then readout, swatches and "Fixar Janela" along the top edge;
// the mix caption is right-aligned against the right edge.
constexpr int AlturaRotulo = 255;
// The readout holds "-12345,6 Hz  -41,152 ppm"; the mix caption its longest
// text, and no more, so that the compact plot keeps room for them all.
constexpr int TituloEsq = 60, TituloLarg = 2775;
constexpr int LeituraEsq = 2925, LeituraLarg = 2025;
constexpr int AmostraEsq = 5100, AmostraPasso = 225, AmostraLado = 195, AmostraTopo = 45;
constexpr int FixarEsq = 7080, FixarLarg = 1455;
constexpr int MisturaLarg = 2850, MargemDireita = 60;
constexpr int AlturaRolagem = 255;
// Pixels sideways from where the left button went down that make a drag.
constexpr int ArrastoMinimo = 5;

} // namespace

AreaGrafico::AreaGrafico(EstadoGrafico& g, OpcoesGrafico& o, const EstadoSpin& e, QWidget* parent)
    : QFrame(parent), g_(g), o_(o), e_(e), tabelaVisivel_([] { return true; }),
      rolagem_(new QScrollBar(Qt::Horizontal, this)), rotuloLeitura_(new QLabel(this)),
      rotuloTitulo_(new QLabel(this)), rotuloMisturaGrafico_(new QLabel(this)),
      botaoFixarJanela_(new QPushButton(tr(FixarJanela), this)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    rolagem_->setCursor(Qt::ArrowCursor);
    connect(rolagem_, &QScrollBar::valueChanged, this, &AreaGrafico::Rola);

    rotuloLeitura_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    rotuloLeitura_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PintaFundo(rotuloLeitura_, Rgb(255, 255, 255));
    rotuloLeitura_->installEventFilter(this);

    for (std::size_t i = 0; i < amostraFundo_.size(); ++i) {
        amostraFundo_[i] = new QLabel(this);
        amostraFundo_[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
        PintaFundo(amostraFundo_[i], CoresFundo[i]);
        amostraFundo_[i]->setCursor(Qt::ArrowCursor);
        amostraFundo_[i]->installEventFilter(this);
    }

    rotuloTitulo_->installEventFilter(this);
    rotuloMisturaGrafico_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rotuloMisturaGrafico_->installEventFilter(this);
    PintaFundo(rotuloTitulo_, g_.CorFundo);
    PintaFundo(rotuloMisturaGrafico_, g_.CorFundo);
    rotuloMisturaGrafico_->setVisible(g_.env.EnvolventeLigada);

    botaoFixarJanela_->setToolTip(tr(DicaFixar));
    botaoFixarJanela_->setCursor(Qt::ArrowCursor);
    connect(botaoFixarJanela_, &QPushButton::clicked, this, &AreaGrafico::AlternaFixarJanela);

    SetLayout(o_.TelaPequena);
    AtualizaRotulos();
}

void AreaGrafico::SetLayout(bool compacto) {
    g_.env.EnvPontos = compacto ? PontosCompacto : PontosLargo;
    o_.TelaPequena = compacto;
    DefineTamanho(compacto ? LarguraCompacta : LarguraLarga,
                  compacto ? AlturaCompacta : AlturaLarga);
}

void AreaGrafico::AmpliaPara(int SW, int SH) {
    if (o_.TelaPequena) return;
    SW = std::clamp(SW, LarguraLarga, 15 * EnvCapacidade);
    SH = std::max(SH, AlturaMinima);
    if (SW == SW_ && SH == SH_) return;
    if (g_.JanelaFixa) {
        const double x = double(SW) / SW_, y = double(SH) / SH_;
        g_.TwPerHz *= x;
        g_.LimLeft *= x;
        g_.EscalaVertFixa *= y;
    }
    g_.env.EnvPontos = SW / 15;
    InvalidaEnvolvente(g_);
    DefineTamanho(SW, SH);
    Grafico();
}

void AreaGrafico::DefineAlturaExterna(int twips) {
    DefineTamanho(SW_, twips - 2 * 15 * frameWidth());
}

void AreaGrafico::Limpa() {
    imagem_.fill(ParaQColor(g_.CorFundo));
    update();
}

void AreaGrafico::DefineTamanho(int SW, int SH) {
    SW_ = SW;
    SH_ = SH;
    imagem_ = QImage(Px(SW_), Px(SH_), QImage::Format_RGB32);
    imagem_.fill(ParaQColor(g_.Visualizando ? Rgb(255, 255, 255) : g_.CorFundo));
    const int borda = frameWidth();
    setFixedSize(imagem_.width() + 2 * borda, imagem_.height() + 2 * borda);

    const auto coloca = [borda](QWidget* w, int esq, int topo, int larg, int alt) {
        w->setGeometry(Px(esq) + borda, Px(topo) + borda, Px(larg), Px(alt));
    };
    // In the compact layout the scroll bar's top is measured from the
    // frame's outer edge, which the window keeps in place whatever the
    // plot's height; the bar is cut where the frame begins.
    topoRolagem_ = SH_ - AlturaRolagem + (o_.TelaPequena ? 2 * 15 * borda : 0);
    coloca(rolagem_, 0, topoRolagem_, SW_, std::min(AlturaRolagem, SH_ - topoRolagem_));
    coloca(rotuloTitulo_, TituloEsq, 30, TituloLarg, AlturaRotulo);
    coloca(rotuloLeitura_, LeituraEsq, 30, LeituraLarg, AlturaRotulo);
    for (std::size_t i = 0; i < amostraFundo_.size(); ++i)
        coloca(amostraFundo_[i], AmostraEsq + AmostraPasso * int(i), AmostraTopo, AmostraLado,
               AmostraLado);
    coloca(botaoFixarJanela_, FixarEsq, 0, FixarLarg, 255);
    coloca(rotuloMisturaGrafico_, SW_ - MargemDireita - MisturaLarg, 30, MisturaLarg, AlturaRotulo);
    AjustaRolagem();
    update();
}

void AreaGrafico::AjustaRolagem() {
    LimitaRolagem(g_, SW_);
    const FaixaRolagem f = FaixaDaRolagem(g_, SW_);
    // The offset is already where the bar is put: no scroll to redraw for.
    const QSignalBlocker bloqueio(rolagem_);
    rolagem_->setRange(f.minimo, f.maximo);
    rolagem_->setPageStep(f.pagina);
    rolagem_->setSingleStep(f.passo);
    rolagem_->setValue(g_.PosRolagem);
}

QString AreaGrafico::ArqFiguraAtual() const {
    return arqFigura_.isEmpty() ? ArqFigura() : arqFigura_;
}

void AreaGrafico::AtualizaRotulos() {
    // A title longer than its place ends in "…" instead of running under the
    // readout; the tooltip holds it whole.
    const QString titulo = tr("Título: ") + QString::fromStdString(o_.TituloEspectro);
    const QString cabe = rotuloTitulo_->fontMetrics().elidedText(
        titulo, Qt::ElideRight, rotuloTitulo_->contentsRect().width());
    rotuloTitulo_->setText(cabe);
    rotuloTitulo_->setToolTip(cabe == titulo ? tr(DicaTitulo)
                                             : titulo + QStringLiteral("\n") + tr(DicaTitulo));
    rotuloMisturaGrafico_->setText(TraduzNucleo(TextoMistura(o_.Mistura)));
}

void AreaGrafico::Grafico() {
    AjustaRolagem();
    if (e_.NProt == 0) return;
    if (!g_.Visualizando && !o_.CompararCurvas) rotuloTitulo_->show();
    AtualizaRotulos();
    // With no band there is no frequency axis to read.
    if (e_.NBandas == 0) rotuloLeitura_->clear();

    imagem_.fill(ParaQColor(g_.Visualizando ? Rgb(255, 255, 255) : g_.CorFundo));
    std::optional<int> rolar;
    {
        QPainter p(&imagem_);
        rolar = ::Grafico(Superficie{p, true, SW_, SH_, topoRolagem_}, g_, e_, o_);
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
    rolagem_->setValue(*rolar);
}

void AreaGrafico::Rola(int valor) {
    MudaRolagem(g_, valor);
    FocoNoGrafico();
    Grafico();
}

void AreaGrafico::Restaurar() {
    SaiDaVisualizacao();
    Restaura(g_);
    emit DesfazRealce();
    emit Restaurado();
    Grafico();
    FocoNoGrafico();
}

void AreaGrafico::ZoomH(bool ampliar) {
    ZoomHorizontal(g_, ampliar);
    FocoNoGrafico();
    Grafico();
}

void AreaGrafico::ZoomV(bool ampliar) {
    ZoomVertical(g_, ampliar);
    FocoNoGrafico();
    Grafico();
}

void AreaGrafico::AlternaFixarJanela() {
    const Ampulheta ampulheta;
    if (!g_.JanelaFixa) {
        botaoFixarJanela_->setText(tr(LiberarJanela));
        botaoFixarJanela_->setToolTip(tr(DicaLiberar));
        rolagem_->setEnabled(false);
        emit JanelaFixada(true);
        g_.JanelaFixa = true;
        InvalidaEnvolvente(g_);
        g_.BandaMarcada = false;
        g_.EscalaVertFixa = g_.EscalaVertBase;
        Grafico();
    } else {
        botaoFixarJanela_->setText(tr(FixarJanela));
        botaoFixarJanela_->setToolTip(tr(DicaFixar));
        rolagem_->setEnabled(true);
        emit JanelaFixada(false);
        g_.JanelaFixa = false;
        InvalidaEnvolvente(g_);
        g_.BandaMarcada = false;
        Restaurar();
    }
    FocoNoGrafico();
}

void AreaGrafico::MarcaBanda(int banda) {
    if (banda < 1 || banda > e_.NBandas) return;
    g_.FreqMarcada = e_.FreqBanda(banda);
    g_.IndiceMarcado = banda;
    g_.BandaMarcada = true;
    g_.RolarParaBanda = true;
    Grafico();
}

bool AreaGrafico::CopiaEspectro(bool pretoEBranco) {
    g_.CopiaBP = pretoEBranco;
    g_.CopiandoFigura = true;
    SaiDaVisualizacao();

    const QString arquivo = ArqFiguraAtual();
    QByteArray svg;
    const auto erro =
        GravaFigura(arquivo, FormatoFigura::Svg, g_, e_, o_, {SW_, SH_}, pretoEBranco, {}, &svg);
    if (erro) {
        QMessageBox caixa(QMessageBox::NoIcon, QStringLiteral("Halvora"), tr("NECA DE PITIBIRIBA"),
                          QMessageBox::Ok, this);
        caixa.setInformativeText(TraduzNucleo(erro->texto));
        caixa.exec();
    }
    // Only events that cannot start a redraw: one now would draw the copy's
    // annotation onto the screen.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The clipboard gets exactly what reached the file, or nothing.
    if (!erro) {
        auto* dados = new QMimeData;
        dados->setData(QStringLiteral("image/svg+xml"), svg);
        const QImage png = DesenhoPng(g_, e_, o_, {SW_, SH_}, pretoEBranco);
        if (!png.isNull()) dados->setImageData(png);
        QApplication::clipboard()->setMimeData(dados);
    }

    g_.CopiandoFigura = false;
    Grafico();
    return !erro;
}

void AreaGrafico::SaiDaVisualizacao() {
    if (!g_.Visualizando) return;
    g_.Visualizando = false;
    botaoFixarJanela_->show();
    emit VisualizacaoMudou(false);
}

bool AreaGrafico::AlternaVisualizacao() {
    emit DesfazRealce();
    if (!g_.Visualizando) {
        g_.Visualizando = true;
        EscondeRotulos();
        emit VisualizacaoMudou(true);
    } else {
        SaiDaVisualizacao();
        MostraRotulos();
    }
    Grafico();
    return g_.Visualizando;
}

void AreaGrafico::OpcaoEnvolvente(bool ligada) {
    g_.env.EnvolventeLigada = ligada;
    g_.RecalcEscala = true;
    rotuloMisturaGrafico_->setVisible(ligada);
    Grafico();
}

void AreaGrafico::MudaMistura(int valor) {
    o_.Mistura = valor;
    g_.env.MisturaMudou = true;
    rotuloMisturaGrafico_->setText(TraduzNucleo(TextoMistura(valor)));
}

void AreaGrafico::MostraRotulos() {
    rotuloLeitura_->show();
    for (QLabel* l : amostraFundo_) l->show();
    if (!o_.CompararCurvas) rotuloTitulo_->show();
    if (g_.env.EnvolventeLigada) rotuloMisturaGrafico_->show();
}

void AreaGrafico::EscondeRotulos() {
    rotuloLeitura_->hide();
    for (QLabel* l : amostraFundo_) l->hide();
    rotuloTitulo_->hide();
    rotuloMisturaGrafico_->hide();
    // The preview shows what a copy holds, and a copy holds no button.
    botaoFixarJanela_->hide();
}

void AreaGrafico::EscolheFundo(int i) {
    const Ampulheta ampulheta;
    MudaFundo(g_, i);
    PintaFundo(rotuloTitulo_, g_.CorFundo);
    PintaFundo(rotuloMisturaGrafico_, g_.CorFundo);
    emit FundoMudou();
    Grafico();
}

void AreaGrafico::FocoNoGrafico() {
    if (isVisible()) setFocus(Qt::OtherFocusReason);
}

bool AreaGrafico::AcimaDaBase(double Y) const {
    return Y <= g_.LinhaBase;
}

void AreaGrafico::CursorPara(double Y) {
    setCursor(AcimaDaBase(Y) ? Qt::CrossCursor : Qt::ArrowCursor);
}

void AreaGrafico::paintEvent(QPaintEvent* ev) {
    QFrame::paintEvent(ev);
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), imagem_);
    if (!arrasto_ || !arrasto_->ativo) return;
    const int a = std::min(arrasto_->inicio.x(), arrasto_->x);
    const int b = std::max(arrasto_->inicio.x(), arrasto_->x);
    const QRect faixa(contentsRect().left() + a, contentsRect().top(), b - a + 1,
                      contentsRect().height());
    p.fillRect(faixa, QColor(0, 120, 215, 40));
    p.setPen(QColor(0, 120, 215, 140));
    p.drawRect(faixa.adjusted(0, 0, -1, -1));
}

QPoint AreaGrafico::NoInterior(const QMouseEvent* ev) const {
    return ev->position().toPoint() - contentsRect().topLeft();
}

void AreaGrafico::mouseMoveEvent(QMouseEvent* ev) {
    const QPoint q = NoInterior(ev);
    const double X = q.x() * 15.0, Y = q.y() * 15.0;
    if (g_.TwPerHz != 0) {
        rotuloLeitura_->setText(e_.NBandas > 0 ? QString::fromStdString(TextoLeitura(
                                                     g_, e_.FreqEspHz / 1e6, X, o_.SepDec))
                                               : QString());
        if (!g_.Visualizando) MostraRotulos();
    }
    CursorPara(Y);
    if (!arrasto_ || !(ev->buttons() & Qt::LeftButton)) return;
    arrasto_->x = std::clamp(q.x(), 0, imagem_.width() - 1);
    if (std::abs(arrasto_->x - arrasto_->inicio.x()) >= ArrastoMinimo &&
        (PodeAmpliar() || escolhendoRegioes_))
        arrasto_->ativo = true;
    if (arrasto_->ativo) update();
}

void AreaGrafico::mousePressEvent(QMouseEvent* ev) {
    const QPoint q = NoInterior(ev);
    // The pointer got here through a move that set its shape.
    CursorPara(q.y() * 15.0);
    if (ev->button() == Qt::LeftButton) {
        arrasto_ = Arrasto{q, q.x(), false};
    } else if (ev->button() == Qt::RightButton) {
        if (!g_.BandaMarcada) return;
        g_.BandaMarcada = false;
        emit DesfazRealce();
        Grafico();
    }
}

void AreaGrafico::mouseReleaseEvent(QMouseEvent* ev) {
    if (ev->button() != Qt::LeftButton || !arrasto_) return;
    const Arrasto a = *arrasto_;
    arrasto_.reset();
    if (!a.ativo) {
        Clique(a.inicio);
        return;
    }
    update();
    // Back to within a few pixels of the start: no range, nothing happens.
    if (std::abs(a.x - a.inicio.x()) < ArrastoMinimo) return;
    if (escolhendoRegioes_) {
        const double MHz = e_.FreqEspHz / 1e6;
        const double p1 = FreqNoPonto(g_, a.inicio.x() * 15.0) / MHz;
        const double p2 = FreqNoPonto(g_, a.x * 15.0) / MHz;
        if (MHz > 0) emit FaixaArrastada(std::min(p1, p2), std::max(p1, p2));
        return;
    }
    if (!PodeAmpliar()) return;
    MostraFaixa(g_, SW_, a.inicio.x() * 15.0, a.x * 15.0);
    Grafico();
}

void AreaGrafico::mouseDoubleClickEvent(QMouseEvent* ev) {
    if (ev->button() != Qt::LeftButton) return QFrame::mouseDoubleClickEvent(ev);
    arrasto_.reset();
    Restaurar();
}

void AreaGrafico::keyPressEvent(QKeyEvent* ev) {
    if (ev->key() != Qt::Key_Escape) return QFrame::keyPressEvent(ev);
    if (arrasto_ && arrasto_->ativo) {
        arrasto_.reset();
        update();
        return;
    }
    Restaurar();
}

void AreaGrafico::Clique(QPoint q) {
    if (!tabelaVisivel_() || g_.Visualizando || g_.HistogramaOculto || !AcimaDaBase(q.y() * 15.0))
        return;
    const Ampulheta ampulheta;
    if (g_.TwPerHz == 0) return;
    if (const auto k = BandaMaisProxima(e_, FreqNoPonto(g_, q.x() * 15.0))) g_.BandaClicada = *k;
    if (g_.BandaClicada >= 1 && g_.BandaClicada <= e_.NBandas) emit BandaEscolhida(g_.BandaClicada);
}

bool AreaGrafico::PodeAmpliar() const {
    return e_.NProt > 0 && g_.TwPerHz != 0 && !g_.JanelaFixa;
}

// Up zooms in by the zoom button's step, a fraction of a step for the finer
// wheels of touchpads; with or without Ctrl.
void AreaGrafico::wheelEvent(QWheelEvent* ev) {
    const int angulo = ev->angleDelta().y();
    if (angulo == 0) {
        ev->ignore();
        return;
    }
    ev->accept();
    if (!PodeAmpliar()) return;
    const double X = (ev->position().x() - contentsRect().left()) * 15.0;
    AmpliaEm(g_, SW_, X, std::pow(1.5, angulo / 120.0));
    Grafico();
}

bool AreaGrafico::eventFilter(QObject* obj, QEvent* ev) {
    const auto tipo = ev->type();
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonRelease &&
        tipo != QEvent::MouseButtonDblClick)
        return QFrame::eventFilter(obj, ev);
    // Clicks on the controls that sit on the plot stay there: they must not
    // select bands underneath.
    const auto* m = static_cast<QMouseEvent*>(ev);
    if (obj == rotuloTitulo_ && tipo == QEvent::MouseButtonDblClick &&
        m->button() == Qt::LeftButton)
        emit TituloClicado();
    for (std::size_t i = 0; i < amostraFundo_.size(); ++i)
        if (obj == amostraFundo_[i] && tipo == QEvent::MouseButtonRelease &&
            m->button() == Qt::LeftButton &&
            amostraFundo_[i]->rect().contains(m->position().toPoint()))
            EscolheFundo(int(i));
    return true;
}
