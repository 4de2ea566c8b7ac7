#include "display/EnvolventeCalc.h"

#include "display/Geometria.h"

#include "espectro/FormaDeLinha.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <cmath>

std::string TextoMistura(int slider) {
    return FormataInteiro(slider) + "% Lorentziana + " + FormataInteiro(100 - slider) +
           "% Gaussiana";
}

// The plot's samples through the line shape of espectro/, which keeps the
// bits of the plain double loop (docs/PERFORMANCE.md).
void CalculaSomas(Envolvente& env, const EstadoSpin& e) {
    SomaNaGrade(env.EnvFreq, LinhasDe(e), env.MeiaLargura, env.EnvGauss, env.EnvLorentz);
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
    env.FracGauss = FracGaussDe(slider);
    Mistura(env.EnvGauss, env.EnvLorentz, env.FracGauss, env.EnvComb);
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
