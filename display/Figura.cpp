#include "display/Figura.h"

#include "display/Geometria.h"
#include "display/Grafico.h"
#include "run/ArquivoSeguro.h"

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

// Grafico with the copy flags set, restoring them afterwards.
void DesenhaCopia(QPainter& p, EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o,
                  int SW, int SH, bool pretoEBranco) {
    const bool copiando = g.CopiandoFigura, bp = g.CopiaBP;
    g.CopiandoFigura = true;
    g.CopiaBP = pretoEBranco;
    Grafico(Superficie{p, false, SW, SH}, g, e, o);
    g.CopiandoFigura = copiando;
    g.CopiaBP = bp;
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

QByteArray DesenhoSvg(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int SW, int SH,
                      bool pretoEBranco) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const QSize tamanho = TamanhoFigura(SW, SH);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(tamanho);
    svg.setViewBox(QRect(QPoint(0, 0), tamanho));
    // Drawn in screen pixels, so the picture keeps the plot's physical size.
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Espectro Simulado"));
    return PintaCopia(svg, g, e, o, SW, SH, pretoEBranco) ? bytes : QByteArray();
}

QImage DesenhoPng(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int SW, int SH,
                  bool pretoEBranco, double dpi) {
    const QSize tela = TamanhoFigura(SW, SH);
    const double escala = dpi / DpiTela;
    // Rounded up: the frame's right and bottom edges stay whole.
    QImage imagem(int(std::ceil(tela.width() * escala)), int(std::ceil(tela.height() * escala)),
                  QImage::Format_RGB32);
    if (imagem.isNull()) return imagem;
    imagem.fill(Qt::white);
    {
        QPainter p(&imagem);
        DesenhaFiguraEm(p, QRectF(QPointF(0, 0), QSizeF(tela) * escala), g, e, o, SW, SH,
                        pretoEBranco);
    }
    const int pontosPorMetro = qRound(dpi / 0.0254);
    imagem.setDotsPerMeterX(pontosPorMetro);
    imagem.setDotsPerMeterY(pontosPorMetro);
    return imagem;
}

QByteArray DesenhoPdf(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int SW, int SH,
                      bool pretoEBranco) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    const QSize tela = TamanhoFigura(SW, SH);
    QPdfWriter pdf(&buffer);
    // One device pixel per screen pixel, so the drawing needs no scaling and
    // its pixel-sized fonts keep their size.
    pdf.setResolution(int(DpiTela));
    // Whole points, rounded up so that no edge is cut.
    const QSizeF pontos(std::ceil(tela.width() * 72 / DpiTela),
                        std::ceil(tela.height() * 72 / DpiTela));
    if (!pdf.setPageSize(QPageSize(pontos, QPageSize::Point, QString(), QPageSize::ExactMatch)))
        return {};
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QStringLiteral("Espectro Simulado"));
    pdf.setCreator(QStringLiteral("Halvora"));
    return PintaCopia(pdf, g, e, o, SW, SH, pretoEBranco) ? bytes : QByteArray();
}

QByteArray BytesFigura(FormatoFigura formato, EstadoGrafico& g, const EstadoSpin& e,
                       const OpcoesGrafico& o, int SW, int SH, bool pretoEBranco) {
    switch (formato) {
    case FormatoFigura::Svg:
        return DesenhoSvg(g, e, o, SW, SH, pretoEBranco);
    case FormatoFigura::Pdf:
        return DesenhoPdf(g, e, o, SW, SH, pretoEBranco);
    case FormatoFigura::Png:
        break;
    }
    const QImage imagem = DesenhoPng(g, e, o, SW, SH, pretoEBranco, DpiImpressao);
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
                                const EstadoSpin& e, const OpcoesGrafico& o, int SW, int SH,
                                bool pretoEBranco, OpcoesGravacao opcoes, QByteArray* gravado) {
    const QByteArray bytes = BytesFigura(formato, g, e, o, SW, SH, pretoEBranco);
    if (bytes.isEmpty())
        return Erro{TipoErro::Memoria,
                    "Não foi possível desenhar a figura para " + arquivo.toStdString() + "."};
    if (auto erro = GravaArquivo(arquivo.toStdString(),
                                 std::string_view(bytes.data(), std::size_t(bytes.size())), opcoes))
        return erro;
    if (gravado) *gravado = bytes;
    return std::nullopt;
}
