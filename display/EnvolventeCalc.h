#pragma once
// The envelope's numbers: the Gaussian and Lorentzian sums over every band at
// one sample per pixel column, the mix, the local maxima and the vertical
// scale. Drawing them is Grafico's business.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

#include <string>

// The mix caption of the slider: "30% Lorentziana + 70% Gaussiana".
std::string TextoMistura(int slider);
std::string TextoMisturaInverso(int slider); // "70% Gaussiana + 30% Lorentziana"

// Half the width in the width box, or `anterior` when the box holds no
// positive number.
double MeiaLarguraDe(const OpcoesGrafico& o, double anterior);

// The bands, the width or the window changed: the sums must be computed
// again and the vertical scale with them.
inline void InvalidaEnvolvente(EstadoGrafico& g) {
    g.RecalcEscala = true;
    g.env.EnvValida = false;
}

// The envelope before it is drawn: recompute the sums when they are invalid and
// the scale must be redone, remix, find the maxima, and set the vertical
// scale. Returns the highest mixed value. `SH` is the plot height in twips.
double PreparaEnvolvente(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int SH);

// The pieces, for tests and benchmarks.
void CalculaSomas(Envolvente& env, const EstadoGrafico& g, const EstadoSpin& e);
void Remistura(Envolvente& env, int slider);
double ProcuraMaximos(Envolvente& env);
