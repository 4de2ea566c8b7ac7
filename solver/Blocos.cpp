#include "solver/Blocos.h"

#include "comum/DoisNucleos.h"
#include "solver/Base.h"
#include "solver/Jacobi.h"

#include <algorithm>
#include <atomic>

void BlocosAutovetores::Divide(const EstadoSpin& e) {
    const int M = e.NEst;
    blocos_.clear();
    blocoDe_.assign(std::size_t(M) + 1, 0);
    std::size_t total = 0;
    for (int s = 1; s <= M; ++s) {
        if (blocos_.empty() || e.MzEst(s) != e.MzEst(blocos_.back().ini))
            blocos_.push_back({s, 0, 0});
        ++blocos_.back().n;
        blocoDe_[std::size_t(s)] = int(blocos_.size()) - 1;
    }
    for (Bloco& b : blocos_) {
        b.inicio = total;
        total += std::size_t(b.n) * b.n;
    }
    vetores_.resize(total);
    energia_.assign(std::size_t(M) + 1, 0.0);
}

namespace {

// The block's Hamiltonian as MontaSubMat leaves it in MatHam.
void MontaBloco(const EstadoSpin& e, const std::vector<unsigned>& acima, int ini, int n, int passo,
                double* A) {
    std::fill(A, A + std::size_t(n) * passo, 0.0);
    for (int r = 0; r < n; ++r) {
        const int i = ini + r;
        A[std::size_t(r) * passo + r] = e.DiagHam(i);
        for (int c = r + 1; c < n; ++c) {
            int d1, d2;
            if (DoisViram(acima[std::size_t(i)], acima[std::size_t(ini + c)], d1, d2)) {
                A[std::size_t(r) * passo + c] = e.ValJ(d1, d2) * 0.5;
                A[std::size_t(c) * passo + r] = A[std::size_t(r) * passo + c];
            }
        }
    }
}

} // namespace

bool DiagonalizaBlocos(const EstadoSpin& e, BlocosAutovetores& b, const Autovalores& solver,
                       std::stop_token parar) {
    b.Divide(e);
    const std::vector<unsigned> acima = SpinsAcima(e);
    std::vector<const BlocosAutovetores::Bloco*> ordem;
    for (const auto& bloco : b.Blocos()) ordem.push_back(&bloco);
    // The largest first, so that the two cores finish together.
    std::stable_sort(ordem.begin(), ordem.end(), [](auto* x, auto* y) { return x->n > y->n; });
    std::atomic<bool> ok{true};
    EmDoisNucleos(ordem.size(), ordem[0]->n >= 40, [&](std::size_t k) {
        if (!ok || parar.stop_requested()) return;
        const auto& bloco = *ordem[k];
        const int passo = PassoJacobi(bloco.n);
        thread_local std::vector<double> A;
        A.resize(std::size_t(bloco.n) * passo);
        MontaBloco(e, acima, bloco.ini, bloco.n, passo, A.data());
        if (!solver.Diagonaliza(A.data(), bloco.n, passo, e.TolJac, e.PrimOrdem, b.Energias(bloco),
                                b.Vetores(bloco)))
            ok = false;
    });
    return ok && !parar.stop_requested();
}
