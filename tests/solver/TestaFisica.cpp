// Checks of the program's solver that do not restate its algorithms:
// eigenpairs against Eigen, the intensity sums, closed forms and a published
// line list, and the failures of a bad system.

#include "Sistemas.h"
#include "solver/Base.h"
#include "solver/Jacobi.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using namespace casos;

using Mapa =
    Eigen::Map<const Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>>;

Mapa Mapeia(const Matriz<double>& m) {
    return Mapa(m.dados(), m.linhas() + 1, m.colunas() + 1);
}

// Column c of V must be an eigenvector of the symmetric H for lam(c), V
// orthonormal, and the lam those of Eigen.
void ConfereAutopares(const Eigen::MatrixXd& H, Eigen::VectorXd lam, const Eigen::MatrixXd& V,
                      double tol) {
    const Eigen::Index n = H.rows();
    EXPECT_LE((H * V - V * lam.asDiagonal()).cwiseAbs().maxCoeff(), 10 * tol);
    EXPECT_LE((V.transpose() * V - Eigen::MatrixXd::Identity(n, n)).cwiseAbs().maxCoeff(), 1e-12);
    std::sort(lam.begin(), lam.end());
    const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> es(H, Eigen::EigenvaluesOnly);
    EXPECT_LE((lam - es.eigenvalues()).cwiseAbs().maxCoeff(), tol);
}

// Dense matrices, some with equal diagonals or mostly zeros, reach every
// branch of the rotation loop far more often than the Hamiltonians do. The
// work matrix is larger than the one diagonalised, as in the block route.
TEST(Fisica, JacobiContraEigenEReferencia) {
    for (int n : {2, 3, 7, 16, 40}) {
        for (int tipo = 0; tipo < 3; ++tipo) {
            SCOPED_TRACE(testing::Message() << n << " tipo " << tipo);
            std::mt19937 g(31u * unsigned(n) + unsigned(tipo));
            EstadoSpin e;
            e.TolJac = 1e-13;
            e.MatJac.recria(n + 2, n + 2);
            for (int i = 1; i <= n + 2; ++i)
                for (int j = i; j <= n + 2; ++j) {
                    double x = Uniforme(g, -1, 1);
                    if (tipo == 1 && i == j) x = double(i % 3);
                    if (tipo == 2 && Uniforme(g, 0, 1) < 0.7) x = 0;
                    e.MatJac(i, j) = e.MatJac(j, i) = x;
                }
            const Eigen::MatrixXd H = Mapeia(e.MatJac).block(1, 1, n, n);
            EstadoSpin r = e;
            ASSERT_TRUE(ref::Jacobi(r, n));
            ASSERT_TRUE(Jacobi(e, n));
            ASSERT_EQ(e.VetJac.linhas(), n);
            for (auto m : {&EstadoSpin::MatJac, &EstadoSpin::VetJac}) {
                ASSERT_EQ((r.*m).tamanho(), (e.*m).tamanho());
                EXPECT_EQ(std::memcmp((r.*m).dados(), (e.*m).dados(), (e.*m).tamanho() * 8), 0);
            }
            ConfereAutopares(H, Mapeia(e.MatJac).diagonal().segment(1, n),
                             Mapeia(e.VetJac).block(1, 1, n, n), 1e-12 * n);
        }
    }
}

// The 10-proton start-up system, block by block: the largest has 252 states.
// Block k holds the states of k beta spins, C(10, k) of them, after the one
// all-alpha state; the all-beta state is no block.
TEST(Fisica, BlocosDoSistemaDeDezProtonsContraEigen) {
    const EstadoSpin e = Calcula(SistemaPadrao10());
    ASSERT_EQ(e.SubMatCount, 9);
    for (int k = 1, inicio = 2, tamanho = 10; k <= e.SubMatCount; ++k) {
        EXPECT_EQ(e.SubMatInic[std::size_t(k)], inicio) << k;
        inicio += tamanho;
        tamanho = tamanho * (10 - k) / (k + 1);
        const int s = e.SubMatInic[std::size_t(k)];
        const int n = (k == e.SubMatCount ? e.NEst : e.SubMatInic[std::size_t(k + 1)]) - s;
        SCOPED_TRACE(testing::Message() << "bloco " << k << " de " << n << " estados");
        ASSERT_TRUE(s >= 1 && n >= 1 && s + n <= e.MatHam.linhas()) << s << " + " << n;
        // Shift by the mean diagonal: the levels spread over hundreds of Hz on
        // top of up to 1.5e9 Hz of Zeeman energy.
        const Eigen::MatrixXd H = Mapeia(e.MatHam).block(s, s, n, n);
        const double c = H.diagonal().mean();
        const Eigen::MatrixXd I = Eigen::MatrixXd::Identity(n, n);
        const auto V = Mapeia(e.MatVet).middleCols(s, n);
        ConfereAutopares(H - c * I, Mapeia(e.MatDiag).diagonal().segment(s, n).array() - c,
                         V.middleRows(s, n), 1e-5);
        // An eigenvector stays inside its block.
        EXPECT_EQ((V.array() != 0).count(), (V.middleRows(s, n).array() != 0).count());
    }
}

// Intensities of a complete spectrum add up to N 2^(N-1), and the first
// moment is 2^(N-1) times the sum of the shifts: the couplings commute with
// the total spin and move no intensity-weighted frequency.
TEST(Fisica, RegraDaSomaEPrimeiroMomento) {
    for (int N = 1; N <= 8; ++N) {
        for (int variante = 0; variante < 2; ++variante) {
            SCOPED_TRACE(testing::Message() << "N " << N << " variante " << variante);
            Sistema s =
                Com(SistemaAleatorio(N, 77u * unsigned(N) + unsigned(variante)), 0, false, false);
            if (variante == 1) { // crowded shifts, strong coupling
                for (auto& d : s.desl) d = 200 + d / 40;
                for (auto& j : s.J) j *= 1.5;
            }
            const EstadoSpin e = Calcula(s);
            double soma = 0, momento = 0, somaDesl = 0;
            for (std::int32_t b = 1; b <= e.NBandas; ++b) {
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

// Frequency and intensity of each band, flat.
void ConfereBandas(const EstadoSpin& e, const std::vector<double>& esperado, double tolF,
                   double tolI) {
    ASSERT_EQ(2 * e.NBandas, std::int32_t(esperado.size()));
    for (int b = 1; b <= e.NBandas; ++b) {
        EXPECT_NEAR(e.FreqBanda(b), esperado[std::size_t(2 * b - 2)], tolF) << b;
        EXPECT_NEAR(e.IntBanda(b), esperado[std::size_t(2 * b - 1)], tolI) << b;
    }
}

// The spectrum of two protons depends on |J| only.
TEST(Fisica, QuartetoAB) {
    const double c = 200, casos[][2] = {{80, 7.5}, {20, 12}, {5, -9}, {150, 0.5}, {0.75, 15}};
    for (const auto& [delta, J] : casos) {
        for (double d : {delta, -delta}) {
            SCOPED_TRACE(testing::Message() << "delta " << d << " J " << J);
            const EstadoSpin e = Calcula({2, 400, {c + d / 2, c - d / 2}, {J}, 0});
            const double D = std::hypot(delta, J), a = std::fabs(J);
            ConfereBandas(e,
                          {c + (D + a) / 2, 1 - a / D, c + (D - a) / 2, 1 + a / D, c - (D - a) / 2,
                           1 + a / D, c - (D + a) / 2, 1 - a / D},
                          1e-6, 1e-9);
        }
    }
}

TEST(Fisica, SistemaPadraoDeTresProtons) {
    ConfereBandas(Calcula(Padrao3),
                  {228.963845547, 0.285430539,   221.295789118, 0.360466733,   220.337268264,
                   0.446603354,   219.682626713, 1.078921877,   212.014570284, 2.255293809,
                   211.056049429, 0.191729876,   207.286543526, 2.900532392,   202.497407044,
                   0.019886155,   201.538886189, 2.267966106,   198.005324692, 0.467087457,
                   193.870829761, 1.086734569,   188.488161452, 0.347795323,   180.820105024,
                   0.277618734},
                  1e-5, 1e-6);
}

TEST(Fisica, JacobiQueNaoConvergeDevolveFalso) {
    for (double tol : {1e-13, -1.0}) {
        EstadoSpin e;
        e.TolJac = tol;
        e.MatJac.recria(6, 6);
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 6; ++j) e.MatJac(i, j) = 1.0 / (i + j - 1);
        if (tol > 0) e.MatJac(2, 4) = e.MatJac(4, 2) = NAN;
        EXPECT_FALSE(Jacobi(e, 6)) << tol;
    }
}

TEST(Fisica, SpinTotalDeveDecrescerAoLongoDaBase) {
    EXPECT_TRUE(MzNaoCresce(Calcula(Padrao3)));
    // Shifts weighted like binary digits scramble the total spin of 1024
    // states: over 800 changes of it, more blocks than SubMatInic holds. The
    // run refuses the system, its sorted basis left in the work state.
    Sistema s{10, 1, {}, std::vector<double>(45, 0.0)};
    for (int p = 0; p < 10; ++p) s.desl.push_back(double(1 << (9 - p)) * 1e6);
    EstadoSpin estado, trabalho;
    ObservadorSimulacao nada;
    EXPECT_TRUE(Simula(Entrada(s), estado, trabalho, nada));
    EXPECT_FALSE(MzNaoCresce(trabalho));
    EXPECT_LE(trabalho.SubMatCount, int(trabalho.SubMatInic.size()) - 1);
}

} // namespace
