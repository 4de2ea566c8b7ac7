// Chió's condensation against Eigen's LU determinant and against the
// eigenvalues the solver found.
#include "Auxiliar.h"
#include "inspector/DetChio.h"

#include <Eigen/Dense>

#include <cmath>
#include <random>

namespace {

// Only the block 1..n counts: the matrix holds one more row and column.
void ComparaComEigen(const Eigen::MatrixXd& a, const char* caso) {
    const int n = int(a.rows());
    Matriz<double> m(n + 1, n + 1);
    double escala = 1; // the size of the terms judges near-singular matrices fairly
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) m(i + 1, j + 1) = a(i, j);
        m(i + 1, n + 1) = m(n + 1, i + 1) = 99;
        escala *= std::max(a.row(i).norm(), 1e-300);
    }
    EXPECT_NEAR(DetChio(m, n), a.fullPivLu().determinant(), 1e-10 * escala) << caso << " n=" << n;
}

TEST(DetChio, MatrizesAleatoriasContraEigen) {
    std::mt19937 ger(12345);
    std::uniform_real_distribution<double> u(-5, 5);
    for (int n = 1; n <= 12; ++n)
        for (int rodada = 0; rodada < 20; ++rodada) {
            Eigen::MatrixXd a = Eigen::MatrixXd::NullaryExpr(n, n, [&] { return u(ger); });
            ComparaComEigen(a, "densa");
            // Zeros atop the first column: the pivot lies lower, each swap
            // flips the sign; the whole column zero: 0 without further work.
            Eigen::MatrixXd b = a;
            b.col(0).head(1 + rodada % n).setZero();
            ComparaComEigen(b, "pivô abaixo");
            if (n < 3) continue;
            // A zero in the first column of a condensed matrix, not of the original.
            b = a;
            b.row(1) = b.row(0) * 2.0;
            b(1, 1) += 1;
            ComparaComEigen(b, "zero na condensação");
        }
    const std::vector<double> p = {0, 1, 0, 0, 0, 1, 1, 0, 0}; // an even permutation
    EXPECT_EQ(DetChio(p, 3), 1.0);
}

} // namespace
