#include "solver/Autovalores.h"

#include "solver/Jacobi.h"

#include <algorithm>
#include <vector>

namespace {

// The vectors of the identity, the answer when the couplings do not count.
void Identidade(const double* A, int n, int passo, double* valores, double* vetores) {
    std::fill(vetores, vetores + std::size_t(n) * n, 0.0);
    for (int k = 0; k < n; ++k) {
        valores[k] = A[std::size_t(k) * passo + k];
        vetores[std::size_t(k) * n + k] = 1;
    }
}

class SolverJacobi final : public Autovalores {
  public:
    std::string_view Nome() const override { return "Jacobi"; }
    bool Diagonaliza(double* A, int n, int passo, double TolJac, bool PrimOrdem, double* valores,
                     double* vetores) const override {
        thread_local std::vector<double> VT;
        VT.resize(std::size_t(n) * passo);
        const bool ok = JacobiBloco(A, VT.data(), n, passo, TolJac, PrimOrdem);
        for (int r = 0; r < n; ++r) {
            valores[r] = A[std::size_t(r) * passo + r];
            for (int c = 0; c < n; ++c)
                vetores[std::size_t(r) * n + c] = VT[std::size_t(c) * passo + r];
        }
        return ok;
    }
};

} // namespace

extern "C" {
void dsyevd_(const char* jobz, const char* uplo, const int* n, double* a, const int* lda, double* w,
             double* work, const int* lwork, int* iwork, const int* liwork, int* info);
void openblas_set_num_threads(int);
}

namespace {

class SolverLapack final : public Autovalores {
  public:
    // The blocks are already shared between two cores; OpenBLAS's own
    // threads on top of that only slow each block down.
    SolverLapack() { openblas_set_num_threads(1); }
    std::string_view Nome() const override { return "LAPACK dsyevd"; }
    bool Diagonaliza(double* A, int n, int passo, double, bool PrimOrdem, double* valores,
                     double* vetores) const override {
        if (PrimOrdem || n == 1) {
            Identidade(A, n, passo, valores, vetores);
            return true;
        }
        // Each block has one total spin, so its diagonal holds one large
        // Larmor term: taken out, the solver works on the shifts and
        // couplings alone and keeps their digits.
        const double centro = A[0];
        for (int k = 0; k < n; ++k) A[std::size_t(k) * passo + k] -= centro;
        thread_local std::vector<double> trabalho;
        thread_local std::vector<int> inteiros;
        const int lwork = 1 + 6 * n + 2 * n * n, liwork = 3 + 5 * n;
        trabalho.resize(std::size_t(lwork));
        inteiros.resize(std::size_t(liwork));
        int info = 0;
        // Column-major on a symmetric matrix reads the same; the vectors come
        // back as the rows of A.
        dsyevd_("V", "U", &n, A, &passo, valores, trabalho.data(), &lwork, inteiros.data(), &liwork,
                &info);
        if (info != 0) return false;
        for (int k = 0; k < n; ++k) {
            valores[k] += centro;
            for (int r = 0; r < n; ++r)
                vetores[std::size_t(r) * n + k] = A[std::size_t(k) * passo + r];
        }
        return true;
    }
};

} // namespace

const Autovalores& AutovaloresJacobi() {
    static const SolverJacobi j;
    return j;
}

const Autovalores& AutovaloresLapack() {
    static const SolverLapack l;
    return l;
}
