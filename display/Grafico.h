#pragma once
// Grafico: draws the whole spectrum onto a painter, the screen plot or a
// recording of it.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

#include <limits>
#include <optional>

class QPainter;

struct Superficie {
    QPainter& p;
    bool tela;  // the screen plot: centre line, screen baseline and band mark are drawn
    int SW, SH; // inner size in twips
    // How far down, in twips, the surface can be seen: a control laid over
    // the plot (the screen's scroll bar) hides the rest. The baseline rises
    // when the proton labels would reach it.
    int alturaVisivel = std::numeric_limits<int>::max();
};

// Draws everything in the stated order. On the screen the caller has filled
// the surface with the background (CorFundo, or white while previewing).
// Returns the scroll bar value to move to when the selected band is out of
// view (the caller moves the scroll bar, which redraws).
std::optional<int> Grafico(Superficie s, EstadoGrafico& g, const EstadoSpin& e,
                           const OpcoesGrafico& o);
