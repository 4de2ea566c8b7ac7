#pragma once
// A measured spectrum laid under the simulated one: where its points fall
// in the plot, and the simulated spectrum as a JCAMP-DX export. No Qt here.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"
#include "run/JcampDx.h"

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

// The simulated spectrum as it is on screen, for BytesJcampDx: the envelope
// at one point per pixel column of the view (whether or not the plot shows
// it), the bands, the title and the run's frequency.
ExportacaoJcamp ExportacaoDoGrafico(const EstadoGrafico& g, const EstadoSpin& e,
                                    const OpcoesGrafico& o);

// The observe frequency with the decimals its file gives: "400,112".
std::string TextoMHzExperimental(const EspectroExperimental& x, char SepDec);

// The reference shift as the user types it: "0", "-0,0125".
std::string TextoReferencia(double ppm, char SepDec);

// The copy's annotation line: "Espectro experimental: NOME (400,112 MHz)",
// and ", deslocado +0,05 ppm" when the reference shift is not zero.
std::string LinhaExperimental(const Sobreposicao& s, char SepDec);
