#include "display/EnvolventeCalc.h"

#include "display/Geometria.h"

#include "comum/DoisNucleos.h"
#include "solver/Vetorizacao.h"
#include "texto/TextoDecimal.h"

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
void CalculaSomas(Envolvente& env, const EstadoSpin& e) {
    const int n = env.Amostras();
    std::fill(env.EnvGauss.begin(), env.EnvGauss.end(), 0.0);
    std::fill(env.EnvLorentz.begin(), env.EnvLorentz.end(), 0.0);
    // NaN fails the test too, and gets the plain visit of every sample.
    const bool decrescente =
        std::adjacent_find(env.EnvFreq.begin(), env.EnvFreq.end(),
                           [](double a, double b) { return !(b <= a); }) == env.EnvFreq.end();
    constexpr int Bloco = 128;
    EmDoisNucleos(std::size_t(n + Bloco - 1) / Bloco, double(n) * e.NBandas > 2e6,
                  [&](std::size_t b) {
                      const int ini = int(b) * Bloco;
                      SomasDaFaixa(env, e, ini, std::min(n, ini + Bloco), decrescente);
                  });
}

// About 30 ms of sums on this machine's two cores: the ten-proton system
// with every band at the default minimum intensity keeps two samples per
// column on a full-HD plot.
constexpr double OrcamentoSomas = 4e7;

int AmostrasPorColuna(const EstadoGrafico& g, int colunas, int nBandas, double meia) {
    const double hzPorColuna = 15 / std::fabs(g.TwPerHz);
    if (!std::isfinite(hzPorColuna)) return 1; // no window yet
    const double desejado = std::ceil(hzPorColuna / (meia / 4));
    const double orcamento = std::floor(OrcamentoSomas / (double(colunas) * std::max(nBandas, 1)));
    const double k = std::min({desejado, orcamento, double(AmostrasPorColunaMax)});
    return k >= 1 ? int(k) : 1; // NaN, from a zero scale or width, too
}

void AmostraVista(Envolvente& env, const EstadoGrafico& g, const EstadoSpin& e, int porColuna) {
    const int colunas = std::clamp(env.EnvPontos, 0, EnvCapacidade);
    env.PorColuna = std::clamp(porColuna, 1, AmostrasPorColunaMax);
    env.Dimensiona(colunas * env.PorColuna);
    env.Vista = {g.NiInic, g.TwPerHz, g.LimLeft, env.MeiaLargura, env.EnvPontos};
    const double passo = 15.0 / env.PorColuna;
    for (int i = 0; i < env.Amostras(); ++i)
        env.EnvFreq[std::size_t(i)] =
            g.TwPerHz != 0 ? g.NiInic - (passo * i - g.LimLeft) / g.TwPerHz : g.NiInic;
    CalculaSomas(env, e);
}

void Remistura(Envolvente& env, int slider) {
    env.MisturaMudou = false;
    env.FracGauss = 1 - slider / 100.0;
    for (std::size_t i = 0; i < env.EnvComb.size(); ++i)
        env.EnvComb[i] = (1 - env.FracGauss) * env.EnvLorentz[i] + env.FracGauss * env.EnvGauss[i];
}

namespace {

// The top of the parabola through the samples i-1, i, i+1: the envelope's
// maximum lies between samples, and a label read off the sample itself
// would move with the zoom and the window's width.
void RefinaMaximo(Envolvente& env, int k, int i) {
    const auto& y = env.EnvComb;
    const std::size_t c = std::size_t(i);
    const double curvatura = y[c - 1] - 2 * y[c] + y[c + 1];
    double p = curvatura < 0 ? (y[c - 1] - y[c + 1]) / (2 * curvatura) : 0;
    p = std::clamp(p, -0.5, 0.5);
    const double passo = (env.EnvFreq[c + 1] - env.EnvFreq[c - 1]) / 2;
    env.MaxEnvFreq[std::size_t(k)] = env.EnvFreq[c] + p * passo;
    env.MaxEnvAltura[std::size_t(k)] = y[c] - (y[c - 1] - y[c + 1]) * p / 4;
}

} // namespace

double ProcuraMaximos(Envolvente& env) {
    const auto& y = env.EnvComb;
    double maior = 0;
    for (double v : y)
        if (v > maior) maior = v;
    env.MaxEnvCount = 0;
    // A flat top counts once, at its last sample; the two ends never count.
    for (std::size_t i = 1; i + 1 < y.size(); ++i)
        if (y[i] >= y[i - 1] && y[i] > y[i + 1] && env.MaxEnvCount < MaxEnvCapacidade) {
            env.MaxEnvPos[std::size_t(++env.MaxEnvCount)] = int(i);
            RefinaMaximo(env, env.MaxEnvCount, int(i));
        }
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
    if (g.RecalcEscala) env.MeiaLargura = MeiaLarguraDe(o, env.MeiaLargura);
    const VistaEnvolvente vista{g.NiInic, g.TwPerHz, g.LimLeft, env.MeiaLargura, env.EnvPontos};
    const bool amostra = !env.EnvValida || !(env.Vista == vista);
    if (amostra) {
        AmostraVista(env, g, e, AmostrasPorColuna(g, env.EnvPontos, e.NBandas, env.MeiaLargura));
        env.EnvValida = true;
    }
    double maior = 0;
    if (amostra || g.RecalcEscala || env.MisturaMudou) {
        Remistura(env, o.Mistura);
        maior = ProcuraMaximos(env);
    }
    if (g.RecalcEscala) {
        if (g.JanelaFixa) {
            g.EscalaVertBase = g.EscalaVertFixa;
        } else {
            g.RecalcEscala = false;
            if (maior != 0) g.EscalaVertBase = AlturaDosPicos(g, SH) / maior;
        }
    }
    g.EscalaVert = g.EscalaVertBase * g.ZoomVert;
    return maior;
}
