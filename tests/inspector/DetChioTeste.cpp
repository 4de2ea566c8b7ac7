// Chió's condensation against Eigen's LU determinant and against the
// eigenvalues the solver found.
#include "Auxiliar.h"
#include "inspector/DetChio.h"

#include <Eigen/Dense>

#include <cmath>
#include <random>

namespace {

void ComparaComEigen(const Eigen::MatrixXd& a, const char* caso) {
    const int n = int(a.rows());
    Matriz<double> m(n, n);
    double escala = 1; // the size of the terms judges near-singular matrices fairly
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) m(i + 1, j + 1) = a(i, j);
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
            if (n < 3) continue;
            // Zeros atop the first column: the pivot lies lower, each swap flips the sign.
            Eigen::MatrixXd b = a;
            b.col(0).head(1 + rodada % (n - 1)).setZero();
            ComparaComEigen(b, "pivô abaixo");
            // A zero in the first column of a condensed matrix, not of the original.
            b = a;
            b.row(1) = b.row(0) * 2.0;
            b(1, 1) += 1;
            ComparaComEigen(b, "zero na condensação");
        }
}

TEST(DetChio, CasosExatos) {
    // First column zero: 0 without further work, though the rest is full.
    Matriz<double> m(4, 4);
    for (int i = 1; i <= 4; ++i)
        for (int j = 2; j <= 4; ++j) m(i, j) = i * 10 + j;
    EXPECT_EQ(DetChio(m, 4), 0.0);
    // Only the block 1..n counts; n = 2 is the formula itself.
    m(1, 1) = 3;
    m(1, 2) = 7;
    m(2, 1) = 2;
    m(2, 2) = 5;
    EXPECT_EQ(DetChio(m, 2), 1.0);
    EXPECT_EQ(DetChio(m, 1), 3.0);
    std::vector<double> a = {0, 1, 0, 0, 0, 1, 1, 0, 0}; // an even permutation
    EXPECT_EQ(DetChio(a, 3), 1.0);
}

TEST(DetChio, HamiltonianoContraProdutoDosAutovalores) {
    for (int N = 1; N <= 5; ++N) {
        const EstadoSpin e = testes::Calcula(Entrada(N));
        double produto = 1, escala = 1;
        for (int i = 1; i <= e.NEst; ++i) {
            produto *= e.MatDiag(i, i);
            double linha = 0;
            for (int j = 1; j <= e.NEst; ++j) linha += e.MatHam(i, j) * e.MatHam(i, j);
            escala *= std::sqrt(linha);
        }
        EXPECT_NEAR(DetChio(e.MatHam, e.NEst), produto, 1e-12 * escala) << "N=" << N;
    }
}

} // namespace
