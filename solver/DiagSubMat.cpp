#include "comum/DoisNucleos.h"
#include "solver/Jacobi.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace {

struct Bloco {
    int s = 0, e = 0, n = 0, passo = 0;
    double* A = nullptr; // n x passo, in the shared work area
    double* VT = nullptr;
};

std::vector<Bloco> BlocosDoEstado(const EstadoSpin& est) {
    std::vector<Bloco> blocos(est.SubMatCount);
    for (int k = 1; k <= est.SubMatCount; ++k) {
        Bloco& b = blocos[k - 1];
        b.s = est.SubMatInic[k];
        b.e = k == est.SubMatCount ? est.NEst - 1 : est.SubMatInic[k + 1] - 1;
        b.n = b.e - b.s + 1;
        b.passo = PassoJacobi(b.n);
    }
    return blocos;
}

// One work area for every block keeps a 10-proton run to a few page faults.
void DistribuiArea(std::vector<Bloco>& blocos, Vetor<double>& area) {
    std::size_t total = 0;
    for (const Bloco& b : blocos) total += 2 * std::size_t(b.n) * b.passo;
    area.recria(int(total));
    double* p = area.dados();
    for (Bloco& b : blocos) {
        b.A = p;
        b.VT = p + std::size_t(b.n) * b.passo;
        p += 2 * std::size_t(b.n) * b.passo;
    }
}

bool DiagonalizaBloco(const EstadoSpin& est, Bloco& b) {
    for (int r = 0; r < b.n; ++r) {
        const double* h = est.MatHam.linha(b.s + r) + b.s;
        std::copy(h, h + b.n, b.A + std::size_t(r) * b.passo);
    }
    return JacobiBloco(b.A, b.VT, b.n, b.passo, est.TolJac, est.PrimOrdem);
}

// The blocks are independent: each core takes the largest block left, so
// the two halves of a 10-proton run finish at about the same time.
bool DiagonalizaTodos(const EstadoSpin& est, std::vector<Bloco>& blocos) {
    std::vector<int> ordem(blocos.size());
    for (std::size_t i = 0; i < ordem.size(); ++i) ordem[i] = int(i);
    std::sort(ordem.begin(), ordem.end(), [&](int a, int b) { return blocos[a].n > blocos[b].n; });
    std::atomic<bool> ok{true};
    const bool vale = !blocos.empty() && blocos[ordem[0]].n >= 40;
    EmDoisNucleos(ordem.size(), vale, [&](std::size_t i) {
        if (!DiagonalizaBloco(est, blocos[ordem[i]])) ok = false;
    });
    return ok;
}

} // namespace

bool DiagSubMat(EstadoSpin& est) {
    if (est.SubMatCount == 0) return true;
    const int M = est.NEst;
    est.MatDiag(1, 1) = est.MatHam(1, 1);
    est.MatVet(1, 1) = 1;
    est.MatDiag(M, M) = est.MatHam(M, M);
    est.MatVet(M, M) = 1;

    std::vector<Bloco> blocos = BlocosDoEstado(est);
    for (const Bloco& b : blocos)
        if (b.n < 1) return false;
    Vetor<double> area;
    DistribuiArea(blocos, area);
    const bool ok = DiagonalizaTodos(est, blocos);

    // Written back in block order, so MatJac and VetJac end as a sequence of
    // Jacobi calls over the same work matrix leaves them.
    for (const Bloco& b : blocos) {
        for (int r = 0; r < b.n; ++r) {
            const double* a = b.A + std::size_t(r) * b.passo;
            std::copy(a, a + b.n, est.MatJac.linha(r + 1) + 1);
            est.MatDiag(b.s + r, b.s + r) = a[r];
            double* v = est.MatVet.linha(b.s + r) + b.s;
            for (int c = 0; c < b.n; ++c) v[c] = b.VT[std::size_t(c) * b.passo + r];
        }
    }
    const Bloco& ultimo = blocos.back();
    est.VetJac.recria(ultimo.n, ultimo.n);
    for (int r = 0; r < ultimo.n; ++r)
        for (int c = 0; c < ultimo.n; ++c)
            est.VetJac(r + 1, c + 1) = ultimo.VT[std::size_t(c) * ultimo.passo + r];
    return ok;
}
