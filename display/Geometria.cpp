#include "display/Geometria.h"

#include "texto/TextoDecimal.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The scroll position the offset stands for, unrounded: a zoom about a point
// is finer than one unit of the bar.
double PosicaoExata(const EstadoGrafico& g) {
    return RolagemNeutra - g.DeslocHoriz / g.ZoomHoriz;
}

// How far the centre may move either way from the neutral position.
double MeiaFaixa(const EstadoGrafico& g, int SW) {
    return g.ZoomHoriz > 1 ? 0.375 * SW * (1 - 1 / g.ZoomHoriz) : 0.0;
}

} // namespace

double XFreq(const EstadoGrafico& g, double f) {
    return (g.NiInic - f) * g.TwPerHz + g.LimLeft;
}

double YInt(const EstadoGrafico& g, double I) {
    return g.LinhaBase - I * g.EscalaVert;
}

void CalculaLinhaBase(EstadoGrafico& g, int SH, int maxima) {
    g.LinhaBase = std::int32_t(std::min(std::nearbyint(SH * 0.9), double(maxima)));
}

void CalculaJanela(EstadoGrafico& g, const EstadoSpin& e, int SW) {
    if (g.JanelaFixa) return;
    double fmax = 0, fmin = 10000000;
    for (int k = 1; k <= e.NBandas; ++k) {
        fmax = std::max(fmax, e.FreqBanda(k));
        fmin = std::min(fmin, e.FreqBanda(k));
    }
    const double largura = fmax - fmin;
    g.NiInic = fmax;
    // Lines closer than 5 Hz get a fixed scale instead of filling the width.
    g.TwPerHz = (largura > 5 ? 0.75 * SW / largura : 285) * g.ZoomHoriz;
    g.LimLeft = (SW - g.TwPerHz * largura) / 2 + g.DeslocHoriz;
}

std::optional<int> RolagemParaBanda(EstadoGrafico& g, int SW) {
    if (!g.RolarParaBanda) return std::nullopt;
    const double xs = XFreq(g, g.FreqMarcada);
    if (xs >= 0 && xs <= SW) {
        g.RolarParaBanda = false;
        return std::nullopt;
    }
    const double novo = PosicaoExata(g) + (xs - SW / 2.0) / g.ZoomHoriz;
    return int(std::clamp(std::nearbyint(novo), double(INT_MIN / 2), double(INT_MAX / 2)));
}

double AlturaDosPicos(const EstadoGrafico& g, int SH) {
    return std::max(SH / 3.0, std::min(SH / 1.5, double(g.LinhaBase) - AcimaDosPicos));
}

void EscalaDosPalitos(EstadoGrafico& g, const EstadoSpin& e, int SH) {
    if (g.RecalcEscala) {
        g.RecalcEscala = false;
        double maior = 0;
        for (int k = 1; k <= e.NBandas; ++k) maior = std::max(maior, e.IntBanda(k));
        if (maior != 0) g.EscalaVertBase = AlturaDosPicos(g, SH) / maior;
    }
    g.EscalaVert = g.EscalaVertBase * g.ZoomVert;
}

std::array<long, NProtMax + 1> DeslocamentosRotulos(const std::array<double, NProtMax + 1>& x,
                                                    int NProt) {
    std::array<long, NProtMax + 1> off{};
    std::array<bool, NProtMax + 1> colocado{};
    for (int i = 1; i <= NProt; ++i) {
        if (colocado[i]) continue;
        int cnt = 0;
        std::array<int, NProtMax + 1> membros{};
        for (int j = i + 1; j <= NProt; ++j) {
            if (!(std::fabs(x[i] - x[j]) < 180)) continue;
            // -250, +250, -500, +500, ...
            const long passo = 250L * (cnt / 2) + 250;
            off[j] = cnt % 2 == 0 ? -passo : passo;
            colocado[j] = true;
            membros[cnt++] = j;
        }
        // An odd count leaves the group lopsided: shift it to centre on i.
        if (cnt % 2 == 1) {
            off[i] += 125;
            for (int m = 0; m < cnt; ++m) off[membros[m]] += 125;
        }
    }
    return off;
}

float FreqNoPonto(const EstadoGrafico& g, double X) {
    return float(g.NiInic - (X - g.LimLeft) / g.TwPerHz);
}

std::string TextoLeitura(const EstadoGrafico& g, double MHz, double X, char SepDec) {
    const double f = double(FreqNoPonto(g, X));
    std::string t = FormataFixo(f, 1, SepDec) + " Hz";
    if (MHz > 0) t += "  " + FormataFixo(f / MHz, 3, SepDec) + " ppm";
    return t;
}

std::optional<int> BandaMaisProxima(const EstadoSpin& e, double f) {
    double melhor = 10000;
    std::optional<int> banda;
    for (int k = 1; k <= e.NBandas; ++k) {
        const double d = std::fabs(e.FreqBanda(k) - f);
        if (d < melhor) {
            melhor = d;
            banda = k;
        }
    }
    return banda;
}

FaixaRolagem FaixaDaRolagem(const EstadoGrafico& g, int SW) {
    const int meia = int(std::nearbyint(MeiaFaixa(g, SW)));
    const int pagina = int(std::clamp(std::nearbyint(SW / g.ZoomHoriz), 1.0, double(SW)));
    return {RolagemNeutra - meia, RolagemNeutra + meia, pagina, std::max(1, pagina / 10)};
}

void LimitaRolagem(EstadoGrafico& g, int SW) {
    const FaixaRolagem f = FaixaDaRolagem(g, SW);
    const double meia = MeiaFaixa(g, SW), p = PosicaoExata(g);
    const double limitada = std::clamp(p, RolagemNeutra - meia, RolagemNeutra + meia);
    if (limitada != p) g.DeslocHoriz = (RolagemNeutra - limitada) * g.ZoomHoriz;
    g.PosRolagem = int(std::clamp(std::nearbyint(limitada), double(f.minimo), double(f.maximo)));
}

void MudaRolagem(EstadoGrafico& g, int valor) {
    g.PosRolagem = valor;
    g.DeslocHoriz = (RolagemNeutra - valor) * g.ZoomHoriz;
}

void ZoomHorizontal(EstadoGrafico& g, bool ampliar) {
    g.ZoomHoriz = ampliar ? g.ZoomHoriz * 1.5 : g.ZoomHoriz / 1.5;
    MudaRolagem(g, g.PosRolagem);
}

void AmpliaEm(EstadoGrafico& g, int SW, double X, double fator) {
    const double antes = g.ZoomHoriz;
    // A zoom the buttons took beyond the bounds is not pulled back.
    const double depois = std::clamp(antes * fator, std::min(antes, ZoomHorizMinimo),
                                     std::max(antes, ZoomHorizMaximo));
    const double posicao = PosicaoExata(g) + (X - SW / 2.0) * (1 / antes - 1 / depois);
    g.ZoomHoriz = depois;
    g.DeslocHoriz = (RolagemNeutra - posicao) * depois;
    LimitaRolagem(g, SW);
}

void MostraFaixa(EstadoGrafico& g, int SW, double X1, double X2) {
    const double largura = std::fabs(X2 - X1);
    if (!(largura > 0)) return;
    // Their middle to the plot's, then a zoom about it.
    g.DeslocHoriz -= (X1 + X2) / 2 - SW / 2.0;
    AmpliaEm(g, SW, SW / 2.0, SW / largura);
}

void ZoomVertical(EstadoGrafico& g, bool ampliar) {
    g.ZoomVert = ampliar ? g.ZoomVert * 1.5 : g.ZoomVert / 1.5;
}

void Restaura(EstadoGrafico& g) {
    g.ZoomHoriz = 1;
    g.ZoomVert = 1;
    MudaRolagem(g, RolagemNeutra);
    g.FiltroAtivo = false;
    g.BandaMarcada = false;
    g.Visualizando = false;
}

void MudaFundo(EstadoGrafico& g, int swatch) {
    g.CorFundo = CoresFundo[std::size_t(swatch)];
    g.CorProt[0] = swatch == 7 ? CinzaCombinacao : CoresProtons[0];
}
