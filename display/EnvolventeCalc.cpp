#include "display/EnvolventeCalc.h"

#include "run/TextoDecimal.h"
#include "solver/Vetorizacao.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>
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

// One band's Lorentzian term at every sample, and u = (d / MeiaLargura)^2.
HALVORA_VETORIZA void TermoLorentz(const double* __restrict freq, double* __restrict lorentz,
                                   double* __restrict u, int n, double fb, double ib, double meia) {
    for (int i = 0; i < n; ++i) {
        const double r = (fb - freq[i]) / meia;
        u[i] = r * r;
        lorentz[i] = ib / (1 + u[i]) + lorentz[i];
    }
}

// The sums of samples ini..fim-1 over every band.
void SomasDaFaixa(Envolvente& env, const EstadoSpin& e, int ini, int fim) {
    const int n = fim - ini;
    const double ln05 = std::log(0.5);
    std::vector<double> u(std::size_t(std::max(n, 0)));
    double* gauss = env.EnvGauss.data() + ini;
    for (int k = 1; k <= e.NBandas; ++k) {
        const double ib = e.IntBanda(k);
        TermoLorentz(env.EnvFreq.data() + ini, env.EnvLorentz.data() + ini, u.data(), n,
                     e.FreqBanda(k), ib, env.MeiaLargura);
        for (int i = 0; i < n; ++i) {
            const double x = u[std::size_t(i)] * ln05;
            if (x < ExpoenteNulo) continue;
            gauss[i] = ib * std::exp(x) + gauss[i];
        }
    }
}

} // namespace

// Each sample's sums take the bands in ascending order, as the plain double
// loop does; only Gaussian terms that are exactly zero are skipped. The
// samples run in the inner loop, so the Lorentzian part is one vector loop.
// Samples are independent: a large plot splits them between two cores with
// the very same results.
void CalculaSomas(Envolvente& env, const EstadoGrafico& g, const EstadoSpin& e) {
    const int n = env.EnvPontos;
    for (int i = 0; i < n; ++i) {
        if (g.TwPerHz != 0) env.EnvFreq[i] = g.NiInic - (15.0 * i - g.LimLeft) / g.TwPerHz;
        env.EnvGauss[i] = 0;
        env.EnvLorentz[i] = 0;
    }
    const int meio = n / 2;
    std::jthread ajudante;
    if (double(n) * e.NBandas > 2e6 && std::thread::hardware_concurrency() > 1) {
        try {
            ajudante = std::jthread([&] { SomasDaFaixa(env, e, meio, n); });
        } catch (const std::system_error&) {
        }
    }
    SomasDaFaixa(env, e, 0, ajudante.joinable() ? meio : n);
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
