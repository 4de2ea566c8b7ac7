#include "solver/Jacobi.h"

#include "solver/Vetorizacao.h"

#include <cmath>
#include <vector>

namespace {

HALVORA_VETORIZA void GiraPar(double* __restrict a, double* __restrict b, int n, double s,
                              double c) {
    for (int k = 0; k < n; ++k) {
        const double t = a[k], x = b[k];
        a[k] = s * x + c * t;
        b[k] = c * x - s * t;
    }
}

// The cyclic sweep with the arithmetic of the element-by-element rotations.
// A is kept as rows: row p stands in for column p because the matrix is
// symmetric, so every rotation runs over contiguous memory. Instead of
// writing each rotated row back into its column at once (a strided write of
// the whole column per rotation), the other rows take the new values only
// when they are about to be read: the rows above q when the q-loop ends, each
// row below q when its own q-loop begins. Until then the newer of the two
// rows that hold an element has its value: the stamps say which.
class Varredura {
  public:
    Varredura(double* A, double* VT, int n, int passo)
        : A_(A), VT_(VT), n_(n), passo_(passo), carimbo_(n, 0) {
        giradas_.reserve(n);
    }

    // One sweep; returns the sum of the off-diagonal magnitudes met.
    double Executa() {
        double soma = 0, maior = 0;
        for (int q = 1; q < n_; ++q) {
            AlcancaLinha(q);
            const double* rq = Linha(q);
            giradas_.clear();
            for (int p = 0; p < q; ++p) {
                const double x = std::fabs(rq[p]);
                if (x > maior) maior = x;
                soma = soma + x;
                if (0.1 * maior > x) continue;
                Roda(p, q);
            }
            if (!giradas_.empty()) Sincroniza(q);
        }
        return soma;
    }

  private:
    double* Linha(int i) const { return A_ + std::size_t(i) * passo_; }

    void Roda(int p, int q) {
        double* rp = Linha(p);
        double* rq = Linha(q);
        // Row p predates this q-loop: take the elements that the rotations
        // already done in it have changed from the rows that hold them.
        for (int c : giradas_) rp[c] = Linha(c)[p];
        rp[q] = rq[p];
        const double d = rp[p] - rq[q];
        const double theta = d == 0 ? (3.14159265358979 / 2) / 2 : std::atan(2 * rq[p] / d) / 2;
        const double s = std::sin(theta), c = std::cos(theta);
        GiraPar(rp, rq, n_, s, c);
        GiraPar(VT_ + std::size_t(p) * passo_, VT_ + std::size_t(q) * passo_, n_, s, c);
        const double app = s * rp[q] + c * rp[p];
        const double aqq = -s * rq[p] + c * rq[q];
        rp[p] = app;
        rq[q] = aqq;
        rp[q] = 0;
        rq[p] = 0;
        giradas_.push_back(p);
        carimbo_[p] = carimbo_[q] = ++relogio_;
    }

    // Every element (k, c) that row c holds newer than row k is copied into
    // row k, so the matrix is whole and symmetric again.
    // Rows above q are read again in the next q-loops: each takes from the
    // rows rotated in this one the elements they hold newer. Rows below q
    // are not read before their own q-loop and catch up there, once.
    void Sincroniza(int q) {
        giradas_.push_back(q);
        constexpr int Bloco = 8;
        for (int k0 = 0; k0 < q; k0 += Bloco) {
            const int k1 = k0 + Bloco < q ? k0 + Bloco : q;
            for (int c : giradas_) {
                const double* rc = Linha(c);
                const long tc = carimbo_[c];
                for (int k = k0; k < k1; ++k)
                    if (carimbo_[k] < tc) Linha(k)[c] = rc[k];
            }
        }
    }

    void AlcancaLinha(int q) {
        double* rq = Linha(q);
        const long tq = carimbo_[q];
        for (int c = 0; c < n_; ++c)
            if (carimbo_[c] > tq) rq[c] = Linha(c)[q];
    }

    double* A_;
    double* VT_;
    int n_, passo_;
    long relogio_ = 0;
    std::vector<long> carimbo_; // the rotation that last wrote each row
    std::vector<int> giradas_;  // rows rotated in the current q-loop
};

} // namespace

int PassoJacobi(int n) {
    // Row strides that are a multiple of a large power of two make column
    // accesses collide in the cache.
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

    Varredura varredura(A, VT, n, passo);
    for (int k = 0; k < MaxVarredurasJacobi; ++k)
        if (std::fabs(varredura.Executa() / M0) <= TolJac) return true;
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
