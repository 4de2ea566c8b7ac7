#include "display/Figura.h"

#include "display/Geometria.h"
#include "display/Grafico.h"
#include "run/ArquivoSeguro.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgGenerator>

namespace {

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

// The plot in pixels, with the strip below it for the annotation block.
QSize TamanhoFigura(int SW, int SH) {
    return {Px(SW), Px(SH + 500)};
}

} // namespace

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
    QPainter p;
    if (!p.begin(&svg)) return {};
    DesenhaCopia(p, g, e, o, SW, SH, pretoEBranco);
    if (!p.end()) return {};
    return bytes;
}

QImage DesenhoPng(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int SW, int SH,
                  bool pretoEBranco) {
    QImage imagem(TamanhoFigura(SW, SH), QImage::Format_RGB32);
    if (imagem.isNull()) return imagem;
    imagem.fill(Qt::white);
    imagem.setDotsPerMeterX(3780); // 96 dpi
    imagem.setDotsPerMeterY(3780);
    QPainter p(&imagem);
    DesenhaCopia(p, g, e, o, SW, SH, pretoEBranco);
    return imagem;
}

QString ArqFigura() {
    const QString pasta = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(pasta);
    return pasta + QStringLiteral("/CurPic.svg");
}

std::optional<Erro> GravaFigura(const QString& arquivo, EstadoGrafico& g, const EstadoSpin& e,
                                const OpcoesGrafico& o, int SW, int SH, bool pretoEBranco,
                                QByteArray* gravado) {
    const QByteArray svg = DesenhoSvg(g, e, o, SW, SH, pretoEBranco);
    if (svg.isEmpty())
        return Erro{TipoErro::Memoria,
                    "Não foi possível desenhar a figura para " + arquivo.toStdString() + "."};
    if (auto erro = GravaArquivo(arquivo.toStdString(), std::string_view(svg.data(), svg.size())))
        return erro;
    if (gravado) *gravado = svg;
    return std::nullopt;
}
