#include "espectro/FormaDeLinha.h"

#include "comum/DoisNucleos.h"
#include "solver/Vetorizacao.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <numbers>

Linhas LinhasDe(const EstadoSpin& e) {
    if (e.NBandas <= 0) return {};
    const std::size_t n = std::size_t(e.NBandas);
    return {{e.FreqBanda.dados() + 1, n}, {e.IntBanda.dados() + 1, n}};
}

namespace {

// Below this exponent exp() is exactly zero, so a Gaussian term that far from
// its band adds nothing and need not be computed.
constexpr double ExpoenteNulo = -746;

// Dividing by the half width, or multiplying by its inverse when that is
// exact: a power of two (the default 1 Hz line gives 0.5) and its inverse
// scale by the same 2^k, so both give the same rounded quotient, at a
// fraction of a division's cost.
struct Divisor {
    double meia, inverso;
    bool exato;
    explicit Divisor(double m) : meia(m), inverso(1 / m) {
        int e = 0;
        exato = std::frexp(m, &e) == 0.5 && std::isnormal(inverso);
    }
    double Divide(double d) const { return exato ? d * inverso : d / meia; }
};

// One band's Lorentzian term at every point.
HALVORA_VETORIZA void TermoLorentz(const double* __restrict freq, double* __restrict lorentz, int n,
                                   double fb, double ib, Divisor m) {
    if (m.exato) {
        for (int i = 0; i < n; ++i) {
            const double r = (fb - freq[i]) * m.inverso;
            lorentz[i] = ib / (1 + r * r) + lorentz[i];
        }
        return;
    }
    for (int i = 0; i < n; ++i) {
        const double r = (fb - freq[i]) / m.meia;
        lorentz[i] = ib / (1 + r * r) + lorentz[i];
    }
}

// The Gaussian's exponent at one point, from the same u = (d / MeiaLargura)^2
// as the Lorentzian term.
double ExpoenteGauss(double fb, double freq, const Divisor& m) {
    const double r = m.Divide(fb - freq);
    return r * r * std::log(0.5);
}

// The binary exponent of |v| as stored: for zero and subnormals -1023, which
// is below the truth, for infinities and NaN 1024.
int ExpoenteBinario(double v) {
    return int((std::bit_cast<std::uint64_t>(v) >> 52) & 0x7ff) - 1023;
}

// One band's Gaussian term at points ini..fim-1. With the frequencies falling
// from left to right the exponent rises and falls once, and the points where
// it is not below ExpoenteNulo are one run around the band: only those are
// visited. Any other order of frequencies visits them all.
void TermoGauss(const double* freq, double* gauss, int ini, int fim, bool decrescente, double fb,
                double ib, const Divisor& m) {
    const int expoenteIb = ExpoenteBinario(ib) + 1;
    auto soma = [&](int i) {
        const double x = ExpoenteGauss(fb, freq[i], m);
        if (x < ExpoenteNulo) return false;
        // A term below half a unit in the last place of the sum so far leaves
        // it as it is, so exp() is not needed: ib·exp(x) < 2^(expoenteIb + x·log2 e),
        // with two binary orders to spare for the roundings.
        if (x * std::numbers::log2e + expoenteIb < ExpoenteBinario(gauss[i]) - 55) return true;
        gauss[i] = ib * std::exp(x) + gauss[i];
        return true;
    };
    if (!decrescente) {
        for (int i = ini; i < fim; ++i) soma(i);
        return;
    }
    const int centro =
        int(std::partition_point(freq + ini, freq + fim, [fb](double f) { return f > fb; }) - freq);
    for (int i = centro; i < fim && soma(i); ++i) {
    }
    for (int i = centro - 1; i >= ini && soma(i); --i) {
    }
}

struct Grade {
    const double* hz;
    double *gauss, *lorentz;
    bool decrescente;
};

// The sums of points ini..fim-1 over every band.
void SomasDaFaixa(const Grade& g, const Linhas& l, const Divisor& m, int ini, int fim) {
    for (std::size_t k = 0; k < l.Hz.size(); ++k) {
        const double fb = l.Hz[k], ib = l.Intensidade[k];
        TermoLorentz(g.hz + ini, g.lorentz + ini, fim - ini, fb, ib, m);
        TermoGauss(g.hz, g.gauss, ini, fim, g.decrescente, fb, ib, m);
    }
}

} // namespace

// The points run in the inner loop, so the Lorentzian part is one vector
// loop. Points are independent: a large grid shares blocks of them between
// two cores with the very same results. Blocks, not halves, because the
// skipped terms make one end of the grid far cheaper than the other.
void SomaNaGrade(std::span<const double> hz, const Linhas& l, double meia, std::span<double> gauss,
                 std::span<double> lorentz) {
    assert(gauss.size() == hz.size() && lorentz.size() == hz.size());
    assert(l.Intensidade.size() == l.Hz.size());
    const int n = int(hz.size());
    std::fill(gauss.begin(), gauss.end(), 0.0);
    std::fill(lorentz.begin(), lorentz.end(), 0.0);
    // NaN fails the test too, and gets the plain visit of every point.
    const bool decrescente = std::adjacent_find(hz.begin(), hz.end(), [](double a, double b) {
                                 return !(b <= a);
                             }) == hz.end();
    const Grade g{hz.data(), gauss.data(), lorentz.data(), decrescente};
    const Divisor m(meia);
    constexpr int Bloco = 128;
    EmDoisNucleos(std::size_t(n + Bloco - 1) / Bloco, double(n) * double(l.Hz.size()) > 2e6,
                  [&](std::size_t b) {
                      const int ini = int(b) * Bloco;
                      SomasDaFaixa(g, l, m, ini, std::min(n, ini + Bloco));
                  });
}

void Mistura(std::span<const double> gauss, std::span<const double> lorentz, double fracGauss,
             std::span<double> mistura) {
    assert(gauss.size() == mistura.size() && lorentz.size() == mistura.size());
    for (std::size_t i = 0; i < mistura.size(); ++i)
        mistura[i] = (1 - fracGauss) * lorentz[i] + fracGauss * gauss[i];
}

void GradeUniforme(double primeiro, double passo, std::span<double> hz) {
    for (std::size_t i = 0; i < hz.size(); ++i) hz[i] = primeiro + passo * double(i);
}

void GradePpm(std::span<const double> ppm, double MHz, double deslocPpm, std::span<double> hz) {
    assert(ppm.size() == hz.size());
    for (std::size_t i = 0; i < hz.size(); ++i) hz[i] = (ppm[i] + deslocPpm) * MHz;
}

void LinhaNaGrade::Dimensiona(std::size_t n) {
    for (auto* v : {&Hz, &Gauss, &Lorentz, &Valor}) v->resize(n);
}

void LinhaNaGrade::Uniforme(double primeiro, double passo, std::size_t n) {
    Dimensiona(n);
    GradeUniforme(primeiro, passo, Hz);
}

void LinhaNaGrade::EmPpm(std::span<const double> ppm, double MHz, double deslocPpm) {
    Dimensiona(ppm.size());
    GradePpm(ppm, MHz, deslocPpm, Hz);
}

void LinhaNaGrade::Calcula(const Linhas& l, const FormaDeLinha& f) {
    SomaNaGrade(Hz, l, f.MeiaLargura, Gauss, Lorentz);
    Mistura(Gauss, Lorentz, f.FracGauss, Valor);
}
