#include "display/EnvolventeCalc.h"

#include "run/TextoDecimal.h"
#include "solver/DoisNucleos.h"
#include "solver/Vetorizacao.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

std::string TextoMistura(int slider) {
    return FormataInteiro(slider) + "% Lorentziana + " + FormataInteiro(100 - slider) +
           "% Gaussiana";
}

std::string TextoMisturaInverso(int slider) {
    return FormataInteiro(100 - slider) + "% Gaussiana + " + FormataInteiro(slider) +
           "% Lorentziana";
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

// One band's Lorentzian term at every sample.
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

// The Gaussian's exponent at one sample, from the same u = (d / MeiaLargura)^2
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

// One band's Gaussian term at samples ini..fim-1. The samples' frequencies
// fall from left to right, so the exponent rises and falls once and the
// samples where it is not below ExpoenteNulo are one run around the band:
// only those are visited. Any other order of frequencies visits them all.
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

// The sums of samples ini..fim-1 over every band.
void SomasDaFaixa(Envolvente& env, const EstadoSpin& e, int ini, int fim, bool decrescente) {
    const Divisor m(env.MeiaLargura);
    for (int k = 1; k <= e.NBandas; ++k) {
        const double fb = e.FreqBanda(k), ib = e.IntBanda(k);
        TermoLorentz(env.EnvFreq.data() + ini, env.EnvLorentz.data() + ini, fim - ini, fb, ib, m);
        TermoGauss(env.EnvFreq.data(), env.EnvGauss.data(), ini, fim, decrescente, fb, ib, m);
    }
}

} // namespace

// Each sample's sums take the bands in ascending order, as the plain double
// loop does; only Gaussian terms that cannot change a sum are skipped. The
// samples run in the inner loop, so the Lorentzian part is one vector loop.
// Samples are independent: a large plot shares blocks of them between two
// cores with the very same results. Blocks, not halves, because the skipped
// terms make one end of the plot far cheaper than the other.
void CalculaSomas(Envolvente& env, const EstadoGrafico& g, const EstadoSpin& e) {
    const int n = env.EnvPontos;
    for (int i = 0; i < n; ++i) {
        if (g.TwPerHz != 0) env.EnvFreq[i] = g.NiInic - (15.0 * i - g.LimLeft) / g.TwPerHz;
        env.EnvGauss[i] = 0;
        env.EnvLorentz[i] = 0;
    }
    // NaN fails the test too, and gets the plain visit of every sample.
    const bool decrescente =
        std::adjacent_find(env.EnvFreq.begin(), env.EnvFreq.begin() + n,
                           [](double a, double b) { return !(b <= a); }) == env.EnvFreq.begin() + n;
    constexpr int Bloco = 128;
    EmDoisNucleos(std::size_t(n + Bloco - 1) / Bloco, double(n) * e.NBandas > 2e6,
                  [&](std::size_t b) {
                      const int ini = int(b) * Bloco;
                      SomasDaFaixa(env, e, ini, std::min(n, ini + Bloco), decrescente);
                  });
}

void Remistura(Envolvente& env, int slider) {
    env.MisturaMudou = false;
    env.FracGauss = 1 - slider / 100.0;
    for (int i = 0; i < env.EnvPontos; ++i)
        env.EnvComb[i] = (1 - env.FracGauss) * env.EnvLorentz[i] + env.FracGauss * env.EnvGauss[i];
}

double ProcuraMaximos(Envolvente& env) {
    double maior = 0;
    for (int i = 0; i < env.EnvPontos; ++i)
        if (env.EnvComb[i] > maior) maior = env.EnvComb[i];
    env.MaxEnvCount = 0;
    // A flat top counts once, at its last sample; the two ends never count.
    for (int i = 1; i <= env.EnvPontos - 2; ++i)
        if (env.EnvComb[i] >= env.EnvComb[i - 1] && env.EnvComb[i] > env.EnvComb[i + 1] &&
            env.MaxEnvCount < MaxEnvCapacidade)
            env.MaxEnvPos[++env.MaxEnvCount] = i;
    return maior;
}

double MeiaLarguraDe(const OpcoesGrafico& o, double anterior) {
    std::string largura = o.TextoLargura;
    // The width box repairs itself to a positive number; anything else
    // keeps the last good width rather than dividing by zero.
    const auto v = ConverteNumero(AjSepDecimal(largura, o.SepDec), o.SepDec);
    return v && *v > 0 ? *v / 2 : anterior;
}

double PreparaEnvolvente(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int SH) {
    Envolvente& env = g.env;
    double maior = 0;
    if (g.RecalcEscala) {
        env.MeiaLargura = MeiaLarguraDe(o, env.MeiaLargura);
        if (!env.EnvValida) {
            CalculaSomas(env, g, e);
            env.EnvValida = true;
        }
    }
    if (g.RecalcEscala || env.MisturaMudou) {
        Remistura(env, o.Mistura);
        maior = ProcuraMaximos(env);
    }
    if (g.RecalcEscala) {
        if (g.JanelaFixa) {
            g.EscalaVertBase = g.EscalaVertFixa;
        } else {
            g.RecalcEscala = false;
            if (maior != 0) g.EscalaVertBase = (SH / 1.5) / maior;
        }
    }
    g.EscalaVert = g.EscalaVertBase * g.ZoomVert;
    return maior;
}
