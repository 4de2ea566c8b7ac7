#pragma once
// Picture export: one complete Grafico drawing recorded as SVG with the
// plot's physical size (500 twips taller than the plot, for the bottom lines
// of the annotation block), the same drawing as a PNG for the clipboard, and
// as the files "Salvar Figura...", printing and halvora-calc write.

#include "arquivo/ArquivoSeguro.h"
#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"
#include "run/Erro.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>

class QPainter;

// What a copy is laid out at and how large it comes out: the plot SW x SH
// twips, drawn `escala` times its screen size (one of its pixels is then
// `escala`/96 inch on paper).
struct MedidaFigura {
    int SW = LarguraLarga, SH = AlturaLarga;
    double escala = 1;
};

// The drawing of a copy (CopiandoFigura set for its duration, CopiaBP as
// given) as SVG bytes. Empty when it cannot be recorded.
QByteArray DesenhoSvg(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, MedidaFigura m,
                      bool pretoEBranco);
// The same as an image of the picture's physical size at `dpi` (the
// clipboard's 96, the saved file's 300), with that resolution recorded.
QImage DesenhoPng(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, MedidaFigura m,
                  bool pretoEBranco, double dpi = 96);
// One page of the picture's physical size, drawn as vectors with its text as
// text. Empty when it cannot be recorded.
QByteArray DesenhoPdf(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, MedidaFigura m,
                      bool pretoEBranco);

// The picture in screen pixels (96 dpi).
QSize TamanhoFigura(int SW, int SH);
// Its size on paper, in 96ths of an inch.
QSizeF TamanhoNoPapel(MedidaFigura m);

// A copy `cm` wide on paper, laid out as a plot that wide at 96 dpi so that
// its text keeps its screen size, `proporcao` times as tall as wide; a width
// too narrow for the annotations lays them out at the narrowest that holds
// them and shrinks the picture to `cm`.
MedidaFigura MedidaNaLargura(double cm, double proporcao, const EstadoGrafico& g,
                             const EstadoSpin& e, const OpcoesGrafico& o);
// A copy that fills a printed page's area, `polegadas` in inches: laid out
// as a plot of the page's width at 96 dpi but no wider than 25 cm, with the
// page's proportions (a square at most), to be scaled to the page.
MedidaFigura MedidaNaPagina(QSizeF polegadas, const EstadoGrafico& g, const EstadoSpin& e,
                            const OpcoesGrafico& o);
// The plot's state for a copy laid out at `m` instead of the window's SW x
// SH: the same view and vertical scale, stretched to the copy, its envelope
// sampled for the copy's width when it is drawn.
EstadoGrafico EstadoDaCopia(const EstadoGrafico& g, int SW, int SH, MedidaFigura m);
// The copy drawn into `destino` of any painter, scaled from screen pixels.
void DesenhaFiguraEm(QPainter& p, const QRectF& destino, EstadoGrafico& g, const EstadoSpin& e,
                     const OpcoesGrafico& o, int SW, int SH, bool pretoEBranco);
// Where a picture of `figura` goes on a printed page's `pagina`: the page's
// width with the proportions kept, from the top; a page too short for that
// takes it at its height, centred across.
QRectF RetanguloImpressao(QSizeF figura, const QRectF& pagina);

enum class FormatoFigura { Svg, Png, Pdf };
// The file's bytes in that format; empty when they cannot be made.
QByteArray BytesFigura(FormatoFigura formato, EstadoGrafico& g, const EstadoSpin& e,
                       const OpcoesGrafico& o, MedidaFigura m, bool pretoEBranco);

// Where the picture file lives: CurPic.svg in the user's application data folder.
QString ArqFigura();

// Records the copy into `arquivo` through GravaArquivo (a failed copy never
// leaves a half-written picture where the last one was); the bytes that
// reached the file in `gravado` when given.
std::optional<Erro> GravaFigura(const QString& arquivo, FormatoFigura formato, EstadoGrafico& g,
                                const EstadoSpin& e, const OpcoesGrafico& o, MedidaFigura m,
                                bool pretoEBranco, OpcoesGravacao opcoes = {},
                                QByteArray* gravado = nullptr);
