#include "solver/Jacobi.h"

#include "solver/Vetorizacao.h"

#include <cmath>
#include <vector>

namespace {

// One rotation, A <- R^T A R, with the arithmetic of the element-by-element
// formulation. A is exactly symmetric before every rotation, so row p stands
// in for column p and the k-loop runs over contiguous memory; the columns are
// written back afterwards to keep A symmetric.
HALVORA_VETORIZA void GiraPar(double* __restrict a, double* __restrict b, int n, double s,
                              double c) {
    for (int k = 0; k < n; ++k) {
        const double t = a[k], x = b[k];
        a[k] = s * x + c * t;
        b[k] = c * x - s * t;
    }
}

void Roda(double* A, double* VT, int n, int passo, int p, int q, double s, double c) {
    double* rp = A + std::size_t(p) * passo;
    double* rq = A + std::size_t(q) * passo;
    GiraPar(rp, rq, n, s, c);
    GiraPar(VT + std::size_t(p) * passo, VT + std::size_t(q) * passo, n, s, c);
    const double app = s * rp[q] + c * rp[p];
    const double aqq = -s * rq[p] + c * rq[q];
    rp[p] = app;
    rq[q] = aqq;
    rp[q] = 0;
    rq[p] = 0;
    for (int k = 0; k < n; ++k) {
        A[std::size_t(k) * passo + p] = rp[k];
        A[std::size_t(k) * passo + q] = rq[k];
    }
}

} // namespace

int PassoJacobi(int n) {
    // Row strides that are a multiple of a large power of two make the
    // column writes of a rotation collide in the cache.
    int passo = (n + 1) & ~1;
    if (passo % 32 == 0) passo += 2;
    return passo;
}

bool JacobiBloco(double* A, double* VT, int n, int passo, double TolJac, bool PrimOrdem) {
    double M0 = 0;
    for (int i = 0; i < n; ++i) {
        double* v = VT + std::size_t(i) * passo;
        for (int j = 0; j < n; ++j) v[j] = 0;
        v[i] = 1;
        const double* a = A + std::size_t(i) * passo;
        for (int j = 0; j < n; ++j) M0 = M0 + std::fabs(a[j]);
    }
    if (n == 1) return true;
    if (M0 <= 0) return true;
    M0 = M0 / (double(n) * double(n));
    if (PrimOrdem) return true;

    for (int varredura = 0; varredura < MaxVarredurasJacobi; ++varredura) {
        double soma = 0, maior = 0;
        for (int q = 1; q < n; ++q) {
            const double* rq = A + std::size_t(q) * passo;
            for (int p = 0; p < q; ++p) {
                const double x = std::fabs(rq[p]);
                if (x > maior) maior = x;
                soma = soma + x;
                if (0.1 * maior > x) continue;
                const double d = A[std::size_t(p) * passo + p] - rq[q];
                const double theta =
                    d == 0 ? (3.14159265358979 / 2) / 2 : std::atan(2 * rq[p] / d) / 2;
                Roda(A, VT, n, passo, p, q, std::sin(theta), std::cos(theta));
            }
        }
        if (std::fabs(soma / M0) <= TolJac) return true;
    }
    return false;
}

bool Jacobi(EstadoSpin& e, int n) {
    const int passo = PassoJacobi(n);
    std::vector<double> A(std::size_t(n) * passo), VT(std::size_t(n) * passo);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) A[std::size_t(r) * passo + c] = e.MatJac(r + 1, c + 1);
    const bool ok = JacobiBloco(A.data(), VT.data(), n, passo, e.TolJac, e.PrimOrdem);
    e.VetJac.recria(n, n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            e.MatJac(r + 1, c + 1) = A[std::size_t(r) * passo + c];
            e.VetJac(r + 1, c + 1) = VT[std::size_t(c) * passo + r];
        }
    return ok;
}

bool DiagMatrizInteira(EstadoSpin& e) {
    const int M = e.NEst;
    for (int i = 1; i <= M; ++i)
        for (int j = 1; j <= M; ++j) e.MatJac(i, j) = e.MatHam(i, j);
    const bool ok = Jacobi(e, M);
    for (int i = 1; i <= M; ++i)
        for (int j = 1; j <= M; ++j) {
            e.MatDiag(i, j) = e.MatJac(i, j);
            e.MatVet(i, j) = e.VetJac(i, j);
        }
    return ok;
}
