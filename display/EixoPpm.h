#pragma once
// The ppm scale under the plot: where its ticks go and what they read, in
// the plot's twips. No Qt here.

#include "display/EstadoGrafico.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A step of the scale: m × 10^k ppm, m being 1, 2 or 5.
struct PassoPpm {
    int m = 1, k = 0;
    double Valor() const;
    int Casas() const { return k < 0 ? -k : 0; } // decimals its labels need
    PassoPpm Seguinte() const;                   // 1 -> 2 -> 5 -> 10
};

// The finest step that puts fewer than `maximo` steps into `faixa` ppm, so
// that at most `maximo` ticks fall in it; nothing for a range that is not
// positive and finite.
std::optional<PassoPpm> PassoParaFaixa(double faixa, int maximo);

// One tick: x in twips and its label, empty where the label does not fit.
struct MarcaPpm {
    double x = 0;
    std::string texto;
};

// The ticks across the view of 0..SW twips for a run at `MHz`: the finest
// step with at most 15 ticks whose labels, `largura(texto)` twips wide and
// centred on their ticks, stay `folga` twips apart. A label that would
// reach beyond 0..fimRotulos is left out. Empty without a horizontal scale.
std::vector<MarcaPpm> MarcasPpm(const EstadoGrafico& g, double MHz, int SW, char SepDec,
                                const std::function<double(const std::string&)>& largura,
                                double folga, double fimRotulos);
