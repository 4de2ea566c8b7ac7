#pragma once
// The envelope's numbers: the Gaussian and Lorentzian sums over every band,
// sampled over the plot's view finely enough for the line width, the mix,
// the local maxima and the vertical scale. Drawing them is Grafico's
// business.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

#include <string>

// The mix caption of the slider: "30% Lorentziana + 70% Gaussiana".
std::string TextoMistura(int slider);

// Half the width in the width box, or `anterior` when the box holds no
// positive number.
double MeiaLarguraDe(const OpcoesGrafico& o, double anterior);

// The bands, the width or the window changed: the sums must be computed
// again and the vertical scale with them.
inline void InvalidaEnvolvente(EstadoGrafico& g) {
    g.RecalcEscala = true;
    g.env.EnvValida = false;
}

// The envelope before it is drawn: sample it again when it is invalid or the
// view moved, remix, find the maxima, and set the vertical scale when it must
// be redone (a zoom or a scroll keeps it). Returns the highest mixed value.
// `SH` is the plot height in twips.
double PreparaEnvolvente(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int SH);

// Samples per pixel column for lines of half width `meia` in the view of
// `g`: enough for eight across the line width, at most
// AmostrasPorColunaMax, and fewer when so many bands would make the sums
// slow (the cost is samples × bands).
int AmostrasPorColuna(const EstadoGrafico& g, int colunas, int nBandas, double meia);

// The samples of the view of `g`, `porColuna` to each of env.EnvPontos
// columns, and their sums.
void AmostraVista(Envolvente& env, const EstadoGrafico& g, const EstadoSpin& e, int porColuna);

// The pieces, for tests and benchmarks. CalculaSomas sums at the
// frequencies env.EnvFreq holds.
void CalculaSomas(Envolvente& env, const EstadoSpin& e);
void Remistura(Envolvente& env, int slider);
double ProcuraMaximos(Envolvente& env);
