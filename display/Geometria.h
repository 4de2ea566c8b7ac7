#pragma once
// The plot's arithmetic, apart from any painting: coordinates, the
// horizontal window, the vertical scale of the sticks, the proton label
// layout, the mouse readout and hit test, and the navigation state changes.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"
#include "widgets/Px.h"

#include <array>
#include <climits>
#include <optional>
#include <string>

// x of frequency f (Hz, offset) and y of intensity I, in twips.
double XFreq(const EstadoGrafico& g, double f);
double YInt(const EstadoGrafico& g, double I);

// LinhaBase := SH * 0.9 rounded, but no lower than `maxima`.
void CalculaLinhaBase(EstadoGrafico& g, int SH, int maxima = INT_MAX);

// NiInic, TwPerHz and LimLeft for the bands, the zoom and the scroll offset
// (nothing changes while JanelaFixa is set).
void CalculaJanela(EstadoGrafico& g, const EstadoSpin& e, int SW);

// When RolarParaBanda is set and the selected band lies outside 0..SW: the
// new scroll bar value that brings it to the centre. Clears RolarParaBanda
// when the band is already in view.
std::optional<int> RolagemParaBanda(EstadoGrafico& g, int SW);

// The tallest line at zoom 1 stands two thirds of SH over the baseline, or
// lower when a short plot's risen baseline would leave it less than
// AcimaDosPicos twips for its label and the controls along the top; never
// below a third of SH.
inline constexpr int AcimaDosPicos = 1100;
double AlturaDosPicos(const EstadoGrafico& g, int SH);

// Vertical scale from the sticks when the envelope is off.
void EscalaDosPalitos(EstadoGrafico& g, const EstadoSpin& e, int SH);

// Label offsets off(i), i = 1..NProt, in twips, for markers at x[i].
std::array<long, NProtMax + 1> DeslocamentosRotulos(const std::array<double, NProtMax + 1>& x,
                                                    int NProt);

// Frequency under x twips (single precision, as the readout holds it), and
// the readout text: Hz with one decimal and, for a run at `MHz`, the shift
// in ppm with three ("1234,5 Hz  3,086 ppm").
float FreqNoPonto(const EstadoGrafico& g, double X);
std::string TextoLeitura(const EstadoGrafico& g, double MHz, double X, char SepDec);

// The band nearest to f among those closer than 10000 Hz (the first of equal
// distances), or nothing.
std::optional<int> BandaMaisProxima(const EstadoSpin& e, double f);

// The scroll bar for the zoom and width. One unit is one twip of offset at
// zoom 1. The view's edges go at most an eighth of its width past the
// spectrum's ends, as at zoom 1, where the bar cannot move; the page is the
// view's width, and the thumb shows the part of the spectrum in view.
struct FaixaRolagem {
    int minimo, maximo, pagina, passo;
};
FaixaRolagem FaixaDaRolagem(const EstadoGrafico& g, int SW);
// Brings DeslocHoriz and PosRolagem within that range.
void LimitaRolagem(EstadoGrafico& g, int SW);

// Navigation.
void MudaRolagem(EstadoGrafico& g, int valor); // DeslocHoriz from the scroll bar
void ZoomHorizontal(EstadoGrafico& g, bool ampliar);
// The mouse's zoom by `fator`, the frequency under X twips staying there; it
// goes no further than ZoomHorizMinimo..ZoomHorizMaximo.
inline constexpr double ZoomHorizMinimo = 0.01, ZoomHorizMaximo = 1000;
void AmpliaEm(EstadoGrafico& g, int SW, double X, double fator);
// The frequencies between X1 and X2 twips across the whole width, within
// the same limits.
void MostraFaixa(EstadoGrafico& g, int SW, double X1, double X2);
void ZoomVertical(EstadoGrafico& g, bool ampliar);
void Restaura(EstadoGrafico& g); // zoom 1, scroll neutral, no mark, no preview, no filter
void MudaFundo(EstadoGrafico& g, int swatch);
