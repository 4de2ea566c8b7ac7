#include "display/Figura.h"

#include "arquivo/ArquivoSeguro.h"
#include "display/Geometria.h"
#include "display/Grafico.h"

#include <QBuffer>
#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QSvgGenerator>

#include <cmath>

namespace {

constexpr double DpiTela = 96, DpiImpressao = 300;
// The widest plot a page lays out, in cm: a landscape A4 page a tenth wider
// gets the text a tenth larger than on the screen.
constexpr double CmImpressao = 25;

// Grafico with the copy flags set, restoring them afterwards.
void DesenhaCopia(QPainter& p, EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o,
                  int SW, int SH, bool pretoEBranco) {
    const bool copiando = g.CopiandoFigura, bp = g.CopiaBP;
    g.CopiandoFigura = true;
    g.CopiaBP = pretoEBranco;
    // The annotation block's rule, 100 twips above the plot's bottom, ends
    // what the plot may hold.
    Grafico(Superficie{p, false, SW, SH, SH - 100}, g, e, o);
    g.CopiandoFigura = copiando;
    g.CopiaBP = bp;
}

// Rounded up: the frame's right and bottom edges stay whole.
QSize Arredonda(QSizeF s) {
    return {int(std::ceil(s.width() - 1e-9)), int(std::ceil(s.height() - 1e-9))};
}

// The copy drawn on a picture device; false when the device will not start
// or cannot finish (its bytes are then incomplete).
bool PintaCopia(QPaintDevice& destino, EstadoGrafico& g, const EstadoSpin& e,
                const OpcoesGrafico& o, int SW, int SH, bool pretoEBranco) {
    QPainter p;
    if (!p.begin(&destino)) return false;
    DesenhaCopia(p, g, e, o, SW, SH, pretoEBranco);
    return p.end();
}

} // namespace

QSize TamanhoFigura(int SW, int SH) {
    return {Px(SW), Px(SH + 500)};
}

QSizeF TamanhoNoPapel(MedidaFigura m) {
    return QSizeF(TamanhoFigura(m.SW, m.SH)) * m.escala;
}

namespace {

// Laid out as a plot `cmLayout` wide at 96 dpi, or at the narrowest that
// holds the annotations, the picture `proporcao` times as tall as wide less
// `menos` twips; shown `cmPapel` wide.
MedidaFigura Medida(double cmLayout, double cmPapel, double proporcao, double menos,
                    TamanhoTwips minimo) {
    const double pixels = cmLayout / 2.54 * DpiTela;
    // Whole pixels, so that the layout's pixel grid is the screen's.
    const int colunas =
        std::clamp(std::max(int(std::lround(pixels)), (minimo.SW + 14) / 15), 1, EnvCapacidade);
    MedidaFigura m{15 * colunas, 0, cmPapel / 2.54 * DpiTela / colunas};
    const double SH = m.SW * proporcao - menos;
    m.SH = std::max(std::isfinite(SH) ? int(std::min(SH, 1e7)) : 0, minimo.SH);
    return m;
}

} // namespace

MedidaFigura MedidaNaLargura(double cm, double proporcao, const EstadoGrafico& g,
                             const EstadoSpin& e, const OpcoesGrafico& o) {
    return Medida(cm, cm, proporcao, 0, MinimoDaCopia(g, e, o));
}

MedidaFigura MedidaNaPagina(QSizeF polegadas, const EstadoGrafico& g, const EstadoSpin& e,
                            const OpcoesGrafico& o) {
    if (polegadas.isEmpty()) return {};
    const double cm = polegadas.width() * 2.54;
    // A portrait page gets a square picture at its top, not a plot taller
    // than wide.
    const double proporcao = std::min(polegadas.height() / polegadas.width(), 1.0);
    return Medida(std::min(cm, CmImpressao), cm, proporcao, 500, MinimoDaCopia(g, e, o));
}

EstadoGrafico EstadoDaCopia(const EstadoGrafico& g, int SW, int SH, MedidaFigura m) {
    EstadoGrafico copia = g;
    if (SW <= 0 || SH <= 0 || (m.SW == SW && m.SH == SH)) return copia;
    const double x = double(m.SW) / SW, y = double(m.SH) / SH;
    // The scroll offset is in twips of the plot: it moves the view as far
    // across the copy as across the window.
    copia.DeslocHoriz *= x;
    if (copia.JanelaFixa) {
        copia.TwPerHz *= x;
        copia.LimLeft *= x;
        copia.EscalaVertFixa *= y;
    }
    copia.EscalaVertBase *= y;
    copia.env.EnvPontos = std::clamp(m.SW / 15, 1, EnvCapacidade);
    copia.RolarParaBanda = false;
    return copia;
}

void DesenhaFiguraEm(QPainter& p, const QRectF& destino, EstadoGrafico& g, const EstadoSpin& e,
                     const OpcoesGrafico& o, int SW, int SH, bool pretoEBranco) {
    const QSize tela = TamanhoFigura(SW, SH);
    if (tela.isEmpty() || destino.isEmpty()) return;
    p.save();
    p.translate(destino.topLeft());
    p.scale(destino.width() / tela.width(), destino.height() / tela.height());
    DesenhaCopia(p, g, e, o, SW, SH, pretoEBranco);
    p.restore();
}

QRectF RetanguloImpressao(QSizeF figura, const QRectF& pagina) {
    if (figura.isEmpty() || pagina.isEmpty()) return {};
    double escala = pagina.width() / figura.width();
    if (figura.height() * escala > pagina.height()) escala = pagina.height() / figura.height();
    const QSizeF tamanho = figura * escala;
    return {QPointF(pagina.left() + (pagina.width() - tamanho.width()) / 2, pagina.top()), tamanho};
}

QByteArray DesenhoSvg(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, MedidaFigura m,
                      bool pretoEBranco) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    // Drawn in the layout's pixels, shown at the size on paper.
    svg.setSize(Arredonda(TamanhoNoPapel(m)));
    svg.setViewBox(QRect(QPoint(0, 0), TamanhoFigura(m.SW, m.SH)));
    svg.setResolution(int(DpiTela));
    svg.setTitle(QStringLiteral("Espectro Simulado"));
    return PintaCopia(svg, g, e, o, m.SW, m.SH, pretoEBranco) ? bytes : QByteArray();
}

QImage DesenhoPng(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, MedidaFigura m,
                  bool pretoEBranco, double dpi) {
    const QSizeF tamanho = TamanhoNoPapel(m) * (dpi / DpiTela);
    QImage imagem(Arredonda(tamanho), QImage::Format_RGB32);
    if (imagem.isNull()) return imagem;
    imagem.fill(Qt::white);
    {
        QPainter p(&imagem);
        DesenhaFiguraEm(p, QRectF(QPointF(0, 0), tamanho), g, e, o, m.SW, m.SH, pretoEBranco);
    }
    const int pontosPorMetro = qRound(dpi / 0.0254);
    imagem.setDotsPerMeterX(pontosPorMetro);
    imagem.setDotsPerMeterY(pontosPorMetro);
    return imagem;
}

QByteArray DesenhoPdf(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, MedidaFigura m,
                      bool pretoEBranco) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    const QSizeF papel = TamanhoNoPapel(m);
    QPdfWriter pdf(&buffer);
    // One device pixel per 96th of an inch: at the screen's size the drawing
    // needs no scaling and its pixel-sized fonts keep their size.
    pdf.setResolution(int(DpiTela));
    // Whole points, rounded up so that no edge is cut.
    const QSizeF pontos(std::ceil(papel.width() * 72 / DpiTela),
                        std::ceil(papel.height() * 72 / DpiTela));
    if (!pdf.setPageSize(QPageSize(pontos, QPageSize::Point, QString(), QPageSize::ExactMatch)))
        return {};
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QStringLiteral("Espectro Simulado"));
    pdf.setCreator(QStringLiteral("Halvora"));
    QPainter p;
    if (!p.begin(&pdf)) return {};
    DesenhaFiguraEm(p, QRectF(QPointF(0, 0), papel), g, e, o, m.SW, m.SH, pretoEBranco);
    return p.end() ? bytes : QByteArray();
}

QByteArray BytesFigura(FormatoFigura formato, EstadoGrafico& g, const EstadoSpin& e,
                       const OpcoesGrafico& o, MedidaFigura m, bool pretoEBranco) {
    switch (formato) {
    case FormatoFigura::Svg:
        return DesenhoSvg(g, e, o, m, pretoEBranco);
    case FormatoFigura::Pdf:
        return DesenhoPdf(g, e, o, m, pretoEBranco);
    case FormatoFigura::Png:
        break;
    }
    const QImage imagem = DesenhoPng(g, e, o, m, pretoEBranco, DpiImpressao);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (imagem.isNull() || !buffer.open(QIODevice::WriteOnly) || !imagem.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QString ArqFigura() {
    const QString pasta = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(pasta);
    return pasta + QStringLiteral("/CurPic.svg");
}

std::optional<Erro> GravaFigura(const QString& arquivo, FormatoFigura formato, EstadoGrafico& g,
                                const EstadoSpin& e, const OpcoesGrafico& o, MedidaFigura m,
                                bool pretoEBranco, OpcoesGravacao opcoes, QByteArray* gravado) {
    const QByteArray bytes = BytesFigura(formato, g, e, o, m, pretoEBranco);
    if (bytes.isEmpty())
        return Erro{TipoErro::Memoria,
                    "Não foi possível desenhar a figura para " + arquivo.toStdString() + "."};
    if (auto erro = GravaArquivo(arquivo.toStdString(),
                                 std::string_view(bytes.data(), std::size_t(bytes.size())), opcoes))
        return erro;
    if (gravado) *gravado = bytes;
    return std::nullopt;
}
