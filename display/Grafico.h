#pragma once
// Grafico: draws the whole spectrum onto a painter, the screen plot or a
// recording of it.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <limits>
#include <optional>
#include <vector>

class QPainter;

struct Superficie {
    QPainter& p;
    bool tela;  // the screen plot: centre line, screen baseline and band mark are drawn
    int SW, SH; // inner size in twips
    // How far down, in twips, the surface can be seen: a control laid over
    // the plot (the screen's scroll bar) or the copy's annotation block hides
    // the rest. The baseline rises when the proton labels and the ppm scale
    // under them would reach it.
    int alturaVisivel = std::numeric_limits<int>::max();
};

// Draws everything in the stated order. On the screen the caller has filled
// the surface with the background (CorFundo, or white while previewing).
// Returns the scroll bar value to move to when the selected band is out of
// view (the caller moves the scroll bar, which redraws).
std::optional<int> Grafico(Superficie s, EstadoGrafico& g, const EstadoSpin& e,
                           const OpcoesGrafico& o);

struct TamanhoTwips {
    int SW = 0, SH = 0;
};
// The smallest plot whose copy holds its annotations clear of each other: the
// corner's lines and the shifts beside the coupling table, the bottom line
// (the title stretched no more than room allows), the shifts above the
// baseline and the proton labels under it.
TamanhoTwips MinimoDaCopia(const EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o);

// The label of an envelope maximum as the last drawing laid it out, in
// pixels: the top of the maximum, the corner its text turns about, the
// text's cell (turned upwards), and whether it is written. In dense
// multiplets the labels would pile up: the taller maxima keep theirs, and a
// label that would run into one of them is left out (its tick stays).
struct RotuloMaximo {
    int k; // 1..MaxEnvCount
    QPointF ponto;
    QPoint origem;
    QRectF caixa;
    QString texto;
    bool escrito;
};
std::vector<RotuloMaximo> RotulosDosMaximos(const EstadoGrafico& g, const EstadoSpin& e,
                                            const OpcoesGrafico& o);
