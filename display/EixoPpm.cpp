#include "display/EixoPpm.h"

#include "display/Geometria.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaximoMarcas = 15;
// Beyond this many steps from zero the tick numbers lose their integer
// exactness in a double.
constexpr double IndiceMaximo = 1e15;

// The tick values of `p` between the view's ppm, as text, at their x.
std::vector<MarcaPpm> Marcas(const EstadoGrafico& g, double MHz, double ppmEsq, double ppmDir,
                             PassoPpm p, char SepDec) {
    std::vector<MarcaPpm> r;
    const double passo = p.Valor();
    const double primeiro = std::ceil(ppmDir / passo), ultimo = std::floor(ppmEsq / passo);
    if (!(std::fabs(primeiro) <= IndiceMaximo && std::fabs(ultimo) <= IndiceMaximo)) return r;
    // From the left edge: the highest shift first.
    for (long long i = (long long)ultimo; i >= (long long)primeiro; --i) {
        // m × i is exact; one division by an exact power of ten rounds once.
        const double n = double(i * p.m);
        const double ppm = p.k >= 0 ? n * std::pow(10.0, p.k) : n / std::pow(10.0, -p.k);
        r.push_back({XFreq(g, ppm * MHz), FormataFixo(ppm, p.Casas(), SepDec)});
    }
    return r;
}

} // namespace

double PassoPpm::Valor() const {
    return k >= 0 ? m * std::pow(10.0, k) : m / std::pow(10.0, -k);
}

PassoPpm PassoPpm::Seguinte() const {
    if (m == 1) return {2, k};
    if (m == 2) return {5, k};
    return {1, k + 1};
}

std::optional<PassoPpm> PassoParaFaixa(double faixa, int maximo) {
    if (!(faixa > 0) || !std::isfinite(faixa) || maximo < 1) return std::nullopt;
    PassoPpm p{1, int(std::floor(std::log10(faixa / maximo))) - 1};
    while (!(faixa / p.Valor() < maximo)) p = p.Seguinte();
    return p;
}

std::vector<MarcaPpm> MarcasPpm(const EstadoGrafico& g, double MHz, int SW, char SepDec,
                                const std::function<double(const std::string&)>& largura,
                                double folga, double fimRotulos) {
    if (!(MHz > 0) || !(g.TwPerHz > 0) || SW <= 0) return {};
    const auto ppm = [&](double x) { return (g.NiInic - (x - g.LimLeft) / g.TwPerHz) / MHz; };
    const double esq = ppm(0), dir = ppm(SW);
    auto p = PassoParaFaixa(esq - dir, MaximoMarcas);
    if (!p) return {};
    std::vector<MarcaPpm> marcas;
    // A coarser step while the labels would touch; a few steps at most,
    // since each one at least doubles the room.
    for (int tentativa = 0; tentativa < 64; ++tentativa, p = p->Seguinte()) {
        marcas = Marcas(g, MHz, esq, dir, *p, SepDec);
        double maior = 0;
        for (const MarcaPpm& m : marcas) maior = std::max(maior, largura(m.texto));
        if (maior + folga <= p->Valor() * MHz * g.TwPerHz) break;
    }
    for (MarcaPpm& m : marcas) {
        const double meia = largura(m.texto) / 2;
        if (m.x - meia < 0 || m.x + meia > fimRotulos) m.texto.clear();
    }
    return marcas;
}
