#include "solver/FreqInt.h"

#include "comum/DoisNucleos.h"
#include "solver/Base.h"
#include "solver/Blocos.h"
#include "solver/Vetorizacao.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

void AplicaTrans(EstadoSpin& e, int i) {
    const int M = e.NEst;
    int lo = 0, hi = 0;
    for (int k = 1; k <= M; ++k)
        if (e.MatVet(k, i) != 0) {
            lo = k;
            break;
        }
    for (int k = M; k >= 1; --k)
        if (e.MatVet(k, i) != 0) {
            hi = k;
            break;
        }
    e.VetTrans.recria(M);
    if (lo == 0) return;
    // A zero term adds nothing to a sum that is never -0, so skipping the
    // zeros of MatTrans leaves every bit of the result as it was.
    for (int m = 1; m <= M; ++m) {
        const std::int16_t* t = e.MatTrans.linha(m);
        double v = 0;
        for (int k = lo; k <= hi; ++k)
            if (t[k] != 0) v = double(t[k]) * e.MatVet(k, i) + v;
        e.VetTrans(m) = v;
    }
}

double IntensTrans(const EstadoSpin& e, int j) {
    double s = 0;
    for (int m = 1; m <= e.NEst; ++m) s = e.MatVet(m, j) * e.VetTrans(m) + s;
    return s * s;
}

namespace {

bool DiferemPorUm(const EstadoSpin& e, int i, int j) {
    return std::nearbyint(std::fabs(e.MzEst(i) - e.MzEst(j))) == 1.0f;
}

// Records pair (i, j) as band nb + 1 when its intensity reaches IntMin. The
// intensity is written first, as the slot of a dropped pair is reused.
// `acima`: the spins of the basis states as bits (SpinsAcima); the protons
// that differ between levels i and j are the bits of the exclusive or, in
// ascending order.
void RegistraBanda(EstadoSpin& e, const FonteAutovetores& v, bool ComTabela,
                   const std::vector<unsigned>& acima, std::int32_t& nb, int i, int j,
                   double intensidade) {
    ++nb;
    e.IntBanda(nb) = intensidade;
    if (float(e.IntBanda(nb)) < e.IntMin) {
        --nb;
        return;
    }
    e.FreqBanda(nb) = std::fabs(v.Energia(i) - v.Energia(j));
    if (!ComTabela) return;
    e.NivelA(nb) = std::int16_t(i);
    e.NivelB(nb) = std::int16_t(j);
    e.NProtAfet(nb) = 0;
    for (unsigned d = acima[i] ^ acima[j]; d != 0; d &= d - 1) {
        const auto q = std::int16_t(std::countr_zero(d) + 1);
        ++e.NProtAfet(nb);
        e.ProtAfet(nb, e.NProtAfet(nb)) = q;
        e.ProtBanda(nb) = q;
    }
    if (e.NProtAfet(nb) > 1) e.ProtBanda(nb) = 0;
}

// The dense arrays of a run that fills them.
class AutovetoresDensos final : public FonteAutovetores {
  public:
    explicit AutovetoresDensos(const EstadoSpin& e) : e_(e) {}
    const double* Linha(int estado, int nivel) const override {
        return e_.MatVet.linha(estado) + nivel;
    }
    double Energia(int nivel) const override { return e_.MatDiag(nivel, nivel); }

  private:
    const EstadoSpin& e_;
};

// 1 or 2 protons: the whole-matrix route may leave a level spread over
// states of different total spin, so every pair is taken as it comes.
void CalcFreqIntGeral(EstadoSpin& e, bool ComTabela) {
    const std::vector<unsigned> acima = SpinsAcima(e);
    const AutovetoresDensos v(e);
    std::int32_t nb = 0;
    for (int i = 1; i <= e.NEst - 1; ++i) {
        AplicaTrans(e, i);
        for (int j = e.NEst; j >= i + 1; --j)
            if (DiferemPorUm(e, i, j))
                RegistraBanda(e, v, ComTabela, acima, nb, i, j, IntensTrans(e, j));
    }
    e.NBandas = nb;
}

struct Grupo {
    int ini, fim; // states of equal total spin
};

std::vector<Grupo> GruposDeMz(const EstadoSpin& e) {
    std::vector<Grupo> g;
    for (int s = 1; s <= e.NEst; ++s)
        if (g.empty() || e.MzEst(s) != e.MzEst(g.back().ini))
            g.push_back({s, s});
        else
            g.back().fim = s;
    return g;
}

// For each state m of group `alvo`, its partners (one proton flipped) that lie
// in group `fonte`, ascending: the non-zero entries of row m of MatTrans there.
std::vector<std::vector<int>> Vizinhos(const std::vector<unsigned>& acima, Grupo alvo,
                                       Grupo fonte) {
    std::vector<std::vector<int>> viz(alvo.fim - alvo.ini + 1);
    for (int m = alvo.ini; m <= alvo.fim; ++m)
        for (int k = fonte.ini; k <= fonte.fim; ++k)
            if (std::has_single_bit(acima[m] ^ acima[k])) viz[m - alvo.ini].push_back(k);
    return viz;
}

// Levels of the upper block taken together: each row of eigenvectors is then
// read once for all of them instead of once per level.
constexpr int NiveisJuntos = 4;

// For the levels of the upper block in the rows of vt (`niveis` of them), the
// sums over the states m of g for every level j of g, m ascending for each j
// as the dense product adds them.
HALVORA_VETORIZA void SomasDoGrupo(const FonteAutovetores& fv, Grupo g, int niveis,
                                   const double* vt, double* soma) {
    const int n = g.fim - g.ini + 1;
    std::fill(soma, soma + std::size_t(NiveisJuntos) * n, 0.0);
    double* __restrict s0 = soma;
    double* __restrict s1 = soma + n;
    double* __restrict s2 = soma + 2 * n;
    double* __restrict s3 = soma + 3 * n;
    for (int m = 0; m < n; ++m) {
        const double* __restrict v = fv.Linha(g.ini + m, g.ini);
        const double w0 = vt[m], w1 = niveis > 1 ? vt[n + m] : 0,
                     w2 = niveis > 2 ? vt[2 * n + m] : 0, w3 = niveis > 3 ? vt[3 * n + m] : 0;
        for (int c = 0; c < n; ++c) {
            const double x = v[c];
            s0[c] = x * w0 + s0[c];
            s1[c] = x * w1 + s1[c];
            s2[c] = x * w2 + s2[c];
            s3[c] = x * w3 + s3[c];
        }
    }
}

// Row l of vt, entry m: level i0 + l summed over the partners of state m
// (the states one flip away, ascending).
void SomasDosVizinhos(const FonteAutovetores& fv, const std::vector<std::vector<int>>& viz, int i0,
                      int niveis, double* vt) {
    const std::size_t n = viz.size();
    for (std::size_t m = 0; m < n; ++m) {
        double v[NiveisJuntos] = {};
        for (int k : viz[m]) {
            const double* linha = fv.Linha(k, i0);
            for (int l = 0; l < niveis; ++l) v[l] = linha[l] + v[l];
        }
        for (int l = 0; l < niveis; ++l) vt[l * n + m] = v[l];
    }
}

// Two neighbouring blocks (total spin one apart) and the intensities of every
// level i of `a` to every level j of `b`, in the order the bands are
// registered: i ascending, j descending.
struct ParDeGrupos {
    Grupo a, b;
    std::vector<double> intensidades;
};

void IntensidadesDoPar(const FonteAutovetores& fv, const std::vector<unsigned>& acima,
                       ParDeGrupos& par) {
    const Grupo gA = par.a, gB = par.b;
    const auto viz = Vizinhos(acima, gB, gA);
    const int nB = gB.fim - gB.ini + 1;
    std::vector<double> vt(std::size_t(NiveisJuntos) * nB), soma(vt.size());
    par.intensidades.resize(std::size_t(gA.fim - gA.ini + 1) * std::size_t(nB));
    double* saida = par.intensidades.data();
    for (int i0 = gA.ini; i0 <= gA.fim; i0 += NiveisJuntos) {
        const int niveis = std::min(NiveisJuntos, gA.fim - i0 + 1);
        SomasDosVizinhos(fv, viz, i0, niveis, vt.data());
        SomasDoGrupo(fv, gB, niveis, vt.data(), soma.data());
        for (int l = 0; l < niveis; ++l)
            for (int j = nB - 1; j >= 0; --j) {
                const double s = soma[std::size_t(l) * nB + j];
                *saida++ = s * s;
            }
    }
}

// Each pair's intensities depend only on the eigenvectors, so a large system
// shares the pairs between two cores; the bands are then registered in the
// one order, with the very same values.
void IntensidadesDosPares(const EstadoSpin& e, const FonteAutovetores& fv,
                          const std::vector<unsigned>& acima, std::vector<ParDeGrupos>& pares,
                          std::stop_token parar) {
    // The biggest pairs first, so that the two cores finish together.
    std::vector<ParDeGrupos*> ordem;
    for (ParDeGrupos& par : pares) ordem.push_back(&par);
    const auto tamanho = [](const ParDeGrupos* p) {
        return (p->a.fim - p->a.ini + 1) * (p->b.fim - p->b.ini + 1);
    };
    std::stable_sort(ordem.begin(), ordem.end(), [&](const ParDeGrupos* x, const ParDeGrupos* y) {
        return tamanho(x) > tamanho(y);
    });
    EmDoisNucleos(ordem.size(), e.NEst >= 512, [&](std::size_t k) {
        if (!parar.stop_requested()) IntensidadesDoPar(fv, acima, *ordem[k]);
    });
}

// 3 or more protons: every level lies inside its block, so level i only meets
// the levels of the next block (total spin one lower) and the products need
// only the states of those two blocks. Each sum keeps the order and the terms
// of the dense computation apart from exact zeros, so the bits are the same.
bool BandasDosBlocos(EstadoSpin& e, const FonteAutovetores& fv, bool ComTabela,
                     std::stop_token parar) {
    const std::vector<unsigned> acima = SpinsAcima(e);
    const std::vector<Grupo> grupos = GruposDeMz(e);
    std::vector<ParDeGrupos> pares;
    for (std::size_t gi = 0; gi + 1 < grupos.size(); ++gi)
        if (DiferemPorUm(e, grupos[gi].ini, grupos[gi + 1].ini))
            pares.push_back({grupos[gi], grupos[gi + 1], {}});
    IntensidadesDosPares(e, fv, acima, pares, parar);
    if (parar.stop_requested()) return false;
    std::int32_t nb = 0;
    for (const ParDeGrupos& par : pares) {
        const double* intensidade = par.intensidades.data();
        for (int i = par.a.ini; i <= par.a.fim; ++i)
            for (int j = par.b.fim; j >= par.b.ini; --j)
                RegistraBanda(e, fv, ComTabela, acima, nb, i, j, *intensidade++);
    }
    e.NBandas = nb;
    return true;
}

} // namespace

void CalcFreqInt(EstadoSpin& e, bool ComTabela) {
    if (e.NProt < 3) {
        CalcFreqIntGeral(e, ComTabela);
        return;
    }
    BandasDosBlocos(e, AutovetoresDensos(e), ComTabela, {});
    // Leave the work vector as the level-by-level computation would.
    if (e.NEst > 1) AplicaTrans(e, e.NEst - 1);
}

bool CalcFreqIntBlocos(EstadoSpin& e, const BlocosAutovetores& b, bool ComTabela,
                       std::stop_token parar) {
    return BandasDosBlocos(e, b, ComTabela, parar);
}
