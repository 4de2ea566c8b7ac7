#pragma once
// Grafico: draws the whole spectrum onto a painter, the screen plot or a
// recording of it.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

#include <optional>

class QPainter;

struct Superficie {
    QPainter& p;
    bool tela;  // the screen plot: centre line, screen baseline and band mark are drawn
    int SW, SH; // inner size in twips
};

// Draws everything in the stated order. On the screen the caller has filled
// the surface with the background (CorFundo, or white while previewing).
// Returns the scroll bar value to move to when the selected band is out of
// view (the caller moves the scroll bar, which redraws).
std::optional<int> Grafico(Superficie s, EstadoGrafico& g, const EstadoSpin& e,
                           const OpcoesGrafico& o);
