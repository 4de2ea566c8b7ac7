#pragma once
// The simulated spectrum's line shape on any grid of frequencies: every band
// a Gaussian and a Lorentzian of the same half width at half height, summed
// at each point, and the two sums mixed as the slider says (docs/FISICA.md).
// The plot samples its view with it, the JCAMP-DX export the measured
// spectrum's grid. The caller owns every buffer, so evaluating the same grid
// again and again allocates nothing.

#include "estado/EstadoSpin.h"

#include <cstddef>
#include <span>
#include <vector>

// The bands summed, in the order each point adds them up: frequencies in Hz
// on the grid's scale, and intensities.
struct Linhas {
    std::span<const double> Hz, Intensidade;
};
// Bands 1..NBandas of a run, absolute Hz.
Linhas LinhasDe(const EstadoSpin& e);

struct FormaDeLinha {
    double MeiaLargura = 0.5; // Hz, half the width at half height
    double FracGauss = 0.5;   // the Gaussian's share of the mix
};
// The slider gives the Lorentzian's percentage.
inline double FracGaussDe(int slider) {
    return 1 - slider / 100.0;
}

// The Gaussian and Lorentzian sums of every band at the frequencies `hz`,
// into `gauss` and `lorentz` (as long as `hz`). Any order of frequencies;
// falling ones, as the plot and a spectrum from high to low ppm give them,
// let the Gaussian visit only the points near each band. The bits do not
// depend on the order, the grid's length or the cores: each point takes the
// bands in order, skipping only Gaussian terms that cannot change its sum.
void SomaNaGrade(std::span<const double> hz, const Linhas& l, double meia, std::span<double> gauss,
                 std::span<double> lorentz);

// (1 - fracGauss) × Lorentzian + fracGauss × Gaussian at each point.
void Mistura(std::span<const double> gauss, std::span<const double> lorentz, double fracGauss,
             std::span<double> mistura);

// Grids: primeiro + passo × i, and (ppm + deslocPpm) × MHz of each point.
void GradeUniforme(double primeiro, double passo, std::span<double> hz);
void GradePpm(std::span<const double> ppm, double MHz, double deslocPpm, std::span<double> hz);

// A grid and its sums, kept for the next evaluation: a grid of the same size
// reuses the buffers.
struct LinhaNaGrade {
    std::vector<double> Hz, Gauss, Lorentz, Valor;

    void Dimensiona(std::size_t n);
    void Uniforme(double primeiro, double passo, std::size_t n);
    void EmPpm(std::span<const double> ppm, double MHz, double deslocPpm = 0);
    // Gauss, Lorentz and their mix Valor at Hz.
    void Calcula(const Linhas& l, const FormaDeLinha& f);
};
