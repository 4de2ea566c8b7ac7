// Checks that do not restate the algorithms: eigenpairs against Eigen, the
// intensity sum rule and first moment, and the failures of a bad system.

#include "Sistemas.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace casos;

class Fisica : public testing::TestWithParam<Solver> {
  protected:
    const Solver& sv() const { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Solver, Fisica, testing::Values(SolverReferencia, SolverProduto),
                         [](const testing::TestParamInfo<Solver>& i) {
                             return std::string(i.param.nome);
                         });

long long Binom(int n, int k) {
    long long r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

// Eigenpairs (lam[c], column c of V) of the symmetric H against Eigen's.
// Vectors are compared up to sign where the eigenvalue is separated from its
// neighbours by more than `separacao`; all of them must leave a small residual.
void ConfereAutopares(const Eigen::MatrixXd& H, const std::vector<double>& lam,
                      const Eigen::MatrixXd& V, double tolLam, double tolRes, double separacao) {
    const Eigen::Index n = H.rows();
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> es(H);
    ASSERT_EQ(es.info(), Eigen::Success);
    const Eigen::VectorXd ev = es.eigenvalues();

    std::vector<double> ord = lam;
    std::sort(ord.begin(), ord.end());
    for (Eigen::Index i = 0; i < n; ++i) EXPECT_NEAR(ord[std::size_t(i)], ev(i), tolLam) << i;

    const double orto = (V.transpose() * V - Eigen::MatrixXd::Identity(n, n)).cwiseAbs().maxCoeff();
    EXPECT_LE(orto, 1e-12);

    for (Eigen::Index c = 0; c < n; ++c) {
        const double l = lam[std::size_t(c)];
        EXPECT_LE((H * V.col(c) - l * V.col(c)).norm(), tolRes) << "coluna " << c;
        Eigen::Index k = 0;
        (ev.array() - l).abs().minCoeff(&k);
        double gap = std::numeric_limits<double>::infinity();
        if (k > 0) gap = std::min(gap, ev(k) - ev(k - 1));
        if (k + 1 < n) gap = std::min(gap, ev(k + 1) - ev(k));
        if (gap > separacao) {
            EXPECT_NEAR(std::fabs(V.col(c).dot(es.eigenvectors().col(k))), 1.0, 1e-9)
                << "coluna " << c;
        }
    }
}

TEST_P(Fisica, JacobiContraEigenEmMatrizesAleatorias) {
    for (int n : {2, 3, 4, 7, 16, 33, 60}) {
        SCOPED_TRACE(n);
        std::mt19937 g(1000u + unsigned(n));
        const int folga = 3; // MatJac larger than the block, as in the block route
        EstadoSpin e;
        e.TolJac = 1e-13;
        e.MatJac.recria(n + folga, n + folga);
        Eigen::MatrixXd H(n, n);
        for (int i = 1; i <= n + folga; ++i)
            for (int j = i; j <= n + folga; ++j) {
                const double x = Uniforme(g, -1, 1);
                e.MatJac(i, j) = e.MatJac(j, i) = x;
                if (i <= n && j <= n) H(i - 1, j - 1) = H(j - 1, i - 1) = x;
            }
        const Matriz<double> antes = e.MatJac;
        ASSERT_TRUE(sv().Jacobi(e, n));
        ASSERT_EQ(e.VetJac.linhas(), n);
        ASSERT_EQ(e.VetJac.colunas(), n);

        std::vector<double> lam;
        Eigen::MatrixXd V(n, n);
        double fora = 0, escala = 0;
        for (int i = 1; i <= n; ++i) {
            lam.push_back(e.MatJac(i, i));
            escala = std::max(escala, std::fabs(e.MatJac(i, i)));
            for (int j = 1; j <= n; ++j) {
                V(i - 1, j - 1) = e.VetJac(i, j);
                EXPECT_EQ(e.MatJac(i, j), e.MatJac(j, i));
                if (i != j) fora = std::max(fora, std::fabs(e.MatJac(i, j)));
            }
        }
        EXPECT_LE(fora, 1e-12 * escala);
        ConfereAutopares(H, lam, V, 1e-12 * escala, 1e-11 * escala, 1e-6 * escala);

        // Nothing outside (1..n, 1..n) is touched.
        for (int i = 0; i <= n + folga; ++i)
            for (int j = 0; j <= n + folga; ++j)
                if (i == 0 || j == 0 || i > n || j > n) {
                    ASSERT_EQ(e.MatJac(i, j), antes(i, j));
                }
    }
}

TEST_P(Fisica, BlocosDoSistemaDeDezProtonsContraEigen) {
    EstadoSpin e;
    Prepara(e, SistemaPadrao10());
    MontaBase(sv(), e);
    ASSERT_TRUE(sv().DiagSubMat(e));
    const int M = e.NEst;
    EXPECT_EQ(e.MatDiag(1, 1), e.MatHam(1, 1));
    EXPECT_EQ(e.MatDiag(M, M), e.MatHam(M, M));
    EXPECT_EQ(e.MatVet(1, 1), 1);
    EXPECT_EQ(e.MatVet(M, M), 1);

    for (int k = 1; k <= e.SubMatCount; ++k) {
        const int s = e.SubMatInic[std::size_t(k)];
        const int f = k == e.SubMatCount ? M - 1 : e.SubMatInic[std::size_t(k + 1)] - 1;
        const int n = f - s + 1;
        SCOPED_TRACE(testing::Message() << "bloco " << k << " de " << n << " estados");
        // Shift by the mean diagonal: the spread of the levels is hundreds of
        // Hz on top of up to 1.5e9 Hz of Zeeman energy.
        double c = 0;
        for (int i = s; i <= f; ++i) c += e.MatHam(i, i) / n;
        Eigen::MatrixXd H(n, n), V(n, n);
        std::vector<double> lam;
        for (int i = 0; i < n; ++i) {
            lam.push_back(e.MatDiag(s + i, s + i) - c);
            for (int j = 0; j < n; ++j) {
                H(i, j) = e.MatHam(s + i, s + j) - (i == j ? c : 0.0);
                V(i, j) = e.MatVet(s + i, s + j);
            }
        }
        ConfereAutopares(H, lam, V, 1e-5, 1e-5, 0.1);

        // An eigenvector stays inside its block.
        for (int j = s; j <= f; ++j)
            for (int i = 1; i <= M; ++i)
                if (i < s || i > f) {
                    ASSERT_EQ(e.MatVet(i, j), 0) << i << "," << j;
                }
    }
}

// Intensities of a complete spectrum add up to N 2^(N-1), and the first
// moment is 2^(N-1) times the sum of the shifts: the couplings commute with
// the total spin and move no intensity-weighted frequency.
TEST_P(Fisica, RegraDaSomaEPrimeiroMomento) {
    for (int N = 1; N <= 8; ++N) {
        for (int variante = 0; variante < 2; ++variante) {
            SCOPED_TRACE(testing::Message() << "N " << N << " variante " << variante);
            Sistema s = SistemaAleatorio(N, 77u * unsigned(N) + unsigned(variante));
            if (variante == 1) { // crowded shifts, strong coupling
                for (auto& d : s.desl) d = 200 + d / 40;
                for (auto& j : s.J) j *= 1.5;
            }
            s.IntMin = 0;
            s.ComTabela = false;
            EstadoSpin e;
            Prepara(e, s);
            ASSERT_TRUE(Executa(sv(), e));
            EXPECT_EQ(e.NBandas, Binom(2 * N, N + 1));
            double soma = 0, momento = 0, somaDesl = 0;
            for (std::int32_t b = 1; b <= e.NBandas; ++b) {
                EXPECT_GE(e.IntBanda(b), 0);
                soma += e.IntBanda(b);
                momento += e.IntBanda(b) * e.FreqBanda(b);
            }
            for (double d : s.desl) somaDesl += d;
            const double peso = std::ldexp(1.0, N - 1);
            EXPECT_NEAR(soma, N * peso, 1e-10 * N * peso);
            EXPECT_NEAR(momento, peso * somaDesl, 1e-6 * N * peso);
        }
    }
}

TEST_P(Fisica, JacobiQueNaoConvergeDevolveFalso) {
    auto prepara = [](EstadoSpin& e, int n, double tol) {
        std::mt19937 g(5u);
        e.TolJac = tol;
        e.MatJac.recria(n, n);
        for (int i = 1; i <= n; ++i)
            for (int j = i; j <= n; ++j) e.MatJac(i, j) = e.MatJac(j, i) = Uniforme(g, -1, 1);
    };
    EstadoSpin e;
    prepara(e, 6, 1e-13);
    e.MatJac(2, 4) = e.MatJac(4, 2) = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(sv().Jacobi(e, 6));

    prepara(e, 6, -1);
    EXPECT_FALSE(sv().Jacobi(e, 6));

    prepara(e, 6, std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(sv().Jacobi(e, 6));

    // First order rotates nothing, so it never fails.
    prepara(e, 6, -1);
    e.PrimOrdem = true;
    EXPECT_TRUE(sv().Jacobi(e, 6));
}

TEST(JacobiBloco, NaoConvergeDevolveFalso) {
    const int n = 5, passo = 7;
    std::vector<double> A(std::size_t(n * passo)), VT(std::size_t(n * passo));
    std::mt19937 g(9u);
    for (int i = 0; i < n; ++i)
        for (int j = i; j < n; ++j)
            A[std::size_t(i * passo + j)] = A[std::size_t(j * passo + i)] = Uniforme(g, -1, 1);
    std::vector<double> B = A;
    EXPECT_TRUE(JacobiBloco(B.data(), VT.data(), n, passo, 1e-13, false));
    B = A;
    EXPECT_FALSE(JacobiBloco(B.data(), VT.data(), n, passo, -1, false));
    B = A;
    B[std::size_t(1 * passo + 3)] = B[std::size_t(3 * passo + 1)] =
        std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(JacobiBloco(B.data(), VT.data(), n, passo, 1e-13, false));
}

TEST(SistemaRuim, SpinTotalDeveDecrescerAoLongoDaBase) {
    for (const Sistema& s : {SistemaPadrao3(), SistemaPadrao10(), SistemaAleatorio(6, 1u)}) {
        EstadoSpin e;
        Prepara(e, s);
        MontaBase(SolverProduto, e);
        EXPECT_TRUE(MzNaoCresce(e)) << s.N;
    }
    // At 1 MHz a shift of 2 MHz puts beta-alpha-alpha above alpha-beta-beta.
    EstadoSpin e;
    Prepara(e, {3, 1, {2e6, 0, 0}, {0, 0, 0}});
    MontaBase(SolverProduto, e);
    EXPECT_FALSE(MzNaoCresce(e));

    // Shifts weighted like binary digits scramble the total spin of 1024
    // states: over 800 changes of it, more blocks than SubMatInic holds.
    Sistema s{10, 1, {}, std::vector<double>(45, 0.0)};
    for (int p = 0; p < 10; ++p) s.desl.push_back(double(1 << (9 - p)) * 1e6);
    Prepara(e, s);
    MontaBase(SolverProduto, e);
    EXPECT_FALSE(MzNaoCresce(e));
    EXPECT_LE(e.SubMatCount, int(e.SubMatInic.size()) - 1);
    EXPECT_EQ(e.MatJac.linhas(), 1024);
}

} // namespace
