#pragma once
// A measured spectrum laid under the simulated one: where its points fall
// in the plot, and the simulated spectrum as a JCAMP-DX export. No Qt here.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"
#include "formatos/JcampDx.h"

#include <string>
#include <vector>

// One pixel column of the measured spectrum: its lowest and highest point,
// in pixels. A 65 536-point spectrum shrinks to the plot's width this way
// and keeps every peak.
struct ColunaExperimental {
    int x = 0;
    double yMin = 0, yMax = 0; // yMin is the higher point on screen (smaller y)
};

// The columns of g.Experimental inside the plot of SW × SH twips: each
// point at its ppm plus the reference shift × the run's spectrometer frequency, scaled so the
// tallest point in the window reaches the envelope's tallest sample in view (the tallest stick when
// the envelope is off); a window of noise only keeps the scale of the whole spectrum. Empty without
// an overlay or with nothing in view. Peaks (EspectroExperimental::Picos) reach down to the
// baseline in their column, as sticks do.
std::vector<ColunaExperimental> ColunasExperimental(const EstadoGrafico& g, const EstadoSpin& e,
                                                    int SW, int SH);

// What ColunasExperimental multiplies the measured points by; 0 when nothing is drawn.
double FatorDoExperimental(const EstadoGrafico& g, const EstadoSpin& e, int SW, int SH);

// The applied fit's measured - fitted points in view, in pixels, at the
// measured trace's scale about the line `zero` twips from the top: one run
// of points per region.
struct PontoResiduo {
    double x = 0, y = 0;
};
std::vector<std::vector<PontoResiduo>> TracosDoResiduo(const EstadoGrafico& g, const EstadoSpin& e,
                                                       int SW, int SH, double zero);

// The copy's annotation line: "Resíduo do ajuste: RMS 1,23 %".
std::string LinhaResiduo(const AjusteNoGrafico& a, char SepDec);

// The whole simulated spectrum for BytesJcampDx, whatever the view: the
// envelope with the plot's width and mix (whether or not the plot shows it)
// on the measured spectrum's range and grid when one is laid under, else
// over every band ± 20 line widths at 8 points a width or more, between
// PontosMinimosExportacao and PontosMaximosExportacao points; the bands, the
// title and the run's frequency.
inline constexpr std::size_t PontosMinimosExportacao = 16384;
inline constexpr std::size_t PontosMaximosExportacao = std::size_t(1) << 20;
ExportacaoJcamp ExportacaoDoEspectro(const EstadoGrafico& g, const EstadoSpin& e,
                                     const OpcoesGrafico& o);

// The observe frequency with the decimals its file gives: "400,112".
std::string TextoMHzExperimental(const EspectroExperimental& x, char SepDec);

// The reference shift as the user types it: "0", "-0,0125".
std::string TextoReferencia(double ppm, char SepDec);

// The copy's annotation line: "Espectro experimental: NOME (400,112 MHz)",
// and ", deslocado +0,05 ppm" when the reference shift is not zero.
std::string LinhaExperimental(const Sobreposicao& s, char SepDec);
