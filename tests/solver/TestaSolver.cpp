// Values the solver must reproduce exactly, run on the plain reference and on
// the program's solver alike.

#include "Sistemas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace casos;

class Solucionador : public testing::TestWithParam<Solver> {
  protected:
    const Solver& sv() const { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Solver, Solucionador, testing::Values(SolverReferencia, SolverProduto),
                         [](const testing::TestParamInfo<Solver>& i) {
                             return std::string(i.param.nome);
                         });

long long Binom(int n, int k) {
    long long r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

struct Banda {
    double f, I;
};

std::vector<Banda> Bandas(const EstadoSpin& e) {
    std::vector<Banda> v;
    for (std::int32_t b = 1; b <= e.NBandas; ++b) v.push_back({e.FreqBanda(b), e.IntBanda(b)});
    return v;
}

TEST_P(Solucionador, UmProton) {
    EstadoSpin e;
    Prepara(e, {1, 300, {123.25}, {}});
    ASSERT_TRUE(Executa(sv(), e));
    const double nu = 300e6 + 123.25;

    EXPECT_EQ(e.SpinEst(1, 1), 0.5f);
    EXPECT_EQ(e.SpinEst(2, 1), -0.5f);
    EXPECT_EQ(e.MatHam(1, 1), -nu / 2);
    EXPECT_EQ(e.MatHam(2, 2), nu / 2);
    EXPECT_EQ(e.MatHam(1, 2), 0);
    EXPECT_EQ(e.SubMatCount, 0);
    EXPECT_EQ(e.ContEst, 3);
    EXPECT_EQ(e.MatDiag(1, 1), -nu / 2);
    EXPECT_EQ(e.MatDiag(2, 2), nu / 2);
    EXPECT_EQ(e.MatVet(1, 1), 1);
    EXPECT_EQ(e.MatVet(2, 2), 1);
    EXPECT_EQ(e.MatVet(1, 2), 0);
    EXPECT_EQ(e.MatVet(2, 1), 0);
    EXPECT_EQ(e.MatTrans(1, 2), 1);
    EXPECT_EQ(e.MatTrans(2, 1), 1);
    EXPECT_EQ(e.MatTrans(1, 1) + e.MatTrans(2, 2), 0);

    ASSERT_EQ(e.NBandas, 1);
    EXPECT_EQ(e.IntBanda(1), 1.0);
    EXPECT_EQ(e.FreqBanda(1), 123.25);
    EXPECT_EQ(e.NivelA(1), 1);
    EXPECT_EQ(e.NivelB(1), 2);
    EXPECT_EQ(e.NProtAfet(1), 1);
    EXPECT_EQ(e.ProtAfet(1, 1), 1);
    EXPECT_EQ(e.ProtBanda(1), 1);
    // Element 0 has no meaning and stays as created.
    EXPECT_EQ(e.MatHam(0, 0) + e.MatDiag(0, 0) + e.MatVet(0, 0) + e.FreqBanda(0) + e.IntBanda(0),
              0);
}

TEST_P(Solucionador, DoisProtonsBaseEAutovalores) {
    const double J = 7.5;
    for (bool inverte : {false, true}) {
        SCOPED_TRACE(inverte ? "nu1 < nu2" : "nu1 > nu2");
        EstadoSpin e;
        Prepara(e, {2, 300, inverte ? std::vector{100.0, 180.0} : std::vector{180.0, 100.0}, {J}});
        MontaBase(sv(), e);
        const double n1 = e.FreqProt(1), n2 = e.FreqProt(2);

        // alpha-beta and beta-alpha: the lower diagonal energy comes first.
        const float m2 = inverte ? -0.5f : 0.5f;
        const std::array<std::array<float, 2>, 4> spins{
            {{0.5f, 0.5f}, {m2, -m2}, {-m2, m2}, {-0.5f, -0.5f}}};
        for (int s = 1; s <= 4; ++s)
            for (int p = 1; p <= 2; ++p) EXPECT_EQ(e.SpinEst(s, p), spins[s - 1][p - 1]);
        EXPECT_EQ(e.MzEst(1), 1.0f);
        EXPECT_EQ(e.MzEst(2), 0.0f);
        EXPECT_EQ(e.MzEst(4), -1.0f);

        const double dif = std::fabs(n1 - n2);
        EXPECT_NEAR(e.MatHam(1, 1), -(n1 + n2) / 2 + J / 4, 1e-6);
        EXPECT_NEAR(e.MatHam(2, 2), -dif / 2 - J / 4, 1e-6);
        EXPECT_NEAR(e.MatHam(3, 3), dif / 2 - J / 4, 1e-6);
        EXPECT_NEAR(e.MatHam(4, 4), (n1 + n2) / 2 + J / 4, 1e-6);
        EXPECT_EQ(e.MatHam(2, 3), J / 2);
        EXPECT_EQ(e.MatHam(3, 2), J / 2);
        EXPECT_EQ(e.MatHam(1, 4), 0);
        EXPECT_EQ(e.MatHam(1, 2), 0);
        EXPECT_EQ(e.SubMatCount, 0);

        ASSERT_TRUE(Diagonaliza(sv(), e));
        const double raiz = std::sqrt(dif * dif + J * J);
        EXPECT_NEAR(e.MatDiag(2, 2), -J / 4 - raiz / 2, 1e-6);
        EXPECT_NEAR(e.MatDiag(3, 3), -J / 4 + raiz / 2, 1e-6);
        EXPECT_EQ(e.MatDiag(1, 1), e.MatHam(1, 1));
        EXPECT_EQ(e.MatDiag(4, 4), e.MatHam(4, 4));
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j)
                if (i != j) {
                    EXPECT_EQ(e.MatDiag(i, j), 0) << i << "," << j;
                }
    }
}

TEST_P(Solucionador, DeslocamentosIguaisGiroDeQuarentaECincoGraus) {
    const double J = 7;
    EstadoSpin e;
    Prepara(e, {2, 300, {150, 150}, {J}});
    MontaBase(sv(), e);
    ASSERT_EQ(e.MatHam(2, 2), e.MatHam(3, 3));
    ASSERT_TRUE(Diagonaliza(sv(), e));

    // The angle comes from the stored constant 3.14159265358979, not from pi.
    const double teta = (3.14159265358979 / 2) / 2;
    const double c = std::cos(teta), s = std::sin(teta);
    EXPECT_EQ(e.MatVet(2, 2), c);
    EXPECT_EQ(e.MatVet(3, 2), s);
    EXPECT_EQ(e.MatVet(2, 3), -s);
    EXPECT_EQ(e.MatVet(3, 3), c);
    EXPECT_NEAR(c, 1 / std::sqrt(2.0), 1e-15);
    // (ab + ba)/sqrt2 is the triplet at J/4, the other the singlet at -3J/4.
    EXPECT_NEAR(e.MatDiag(2, 2), J / 4, 1e-9);
    EXPECT_NEAR(e.MatDiag(3, 3), -3 * J / 4, 1e-9);
}

TEST_P(Solucionador, BlocosDeSpinTotalIgual) {
    const Sistema dez = SistemaPadrao10();
    for (int N = 1; N <= 10; ++N) {
        SCOPED_TRACE(N);
        Sistema s{N, 300, {dez.desl.begin(), dez.desl.begin() + N}, {}};
        for (int r = 1; r < N; ++r)
            for (int c = r + 1; c <= N; ++c) s.J.push_back(18 - 2 * r - 2 * c);
        EstadoSpin e;
        Prepara(e, s);
        MontaBase(sv(), e);
        const int M = e.NEst;

        // Every product state once, grouped by the number of beta protons.
        std::vector<int> visto(std::size_t(M), 0);
        std::vector<int> betas(std::size_t(M + 1));
        for (int k = 1; k <= M; ++k) {
            int bits = 0;
            float mz = 0;
            for (int p = 1; p <= N; ++p) {
                ASSERT_TRUE(e.SpinEst(k, p) == 0.5f || e.SpinEst(k, p) == -0.5f);
                if (e.SpinEst(k, p) < 0) {
                    bits |= 1 << (N - p);
                    ++betas[std::size_t(k)];
                }
                mz += e.SpinEst(k, p);
            }
            ++visto[std::size_t(bits)];
            EXPECT_EQ(e.MzEst(k), mz);
            EXPECT_EQ(e.MzEst(k), 0.5f * float(N) - float(betas[std::size_t(k)]));
            if (k > 1) {
                EXPECT_GE(betas[std::size_t(k)], betas[std::size_t(k - 1)]);
                EXPECT_GE(e.MatHam(k, k), e.MatHam(k - 1, k - 1));
            }
            double H = 0;
            for (int p = 1; p <= N; ++p) H -= e.SpinEst(k, p) * e.FreqProt(p);
            for (int a = 1; a < N; ++a)
                for (int b = a + 1; b <= N; ++b)
                    H += e.SpinEst(k, a) * e.SpinEst(k, b) * e.ValJ(a, b);
            EXPECT_NEAR(e.MatHam(k, k), H, 2e-5); // a few ulps of 1.5e9
        }
        EXPECT_EQ(std::count(visto.begin(), visto.end(), 1), M);

        if (N < 3) {
            EXPECT_EQ(e.SubMatCount, 0);
        } else {
            ASSERT_EQ(e.SubMatCount, N - 1);
            long long inic = 2;
            for (int k = 1; k <= N - 1; ++k) {
                EXPECT_EQ(e.SubMatInic[std::size_t(k)], inic) << "bloco " << k;
                inic += Binom(N, k);
            }
        }

        // Off the diagonal: J/2 between states of one block that swap two
        // protons, an exact 0 everywhere else.
        for (int i = 1; i <= M; ++i)
            for (int j = 1; j <= M; ++j) {
                if (i == j) continue;
                std::vector<int> dif;
                for (int p = 1; p <= N; ++p)
                    if (e.SpinEst(i, p) != e.SpinEst(j, p)) dif.push_back(p);
                const bool par = dif.size() == 2 && e.MzEst(i) == e.MzEst(j) && i != 1 && j != 1 &&
                                 i != M && j != M;
                const double esperado = par ? e.ValJ(dif[0], dif[1]) * 0.5 : 0.0;
                if (e.MatHam(i, j) != esperado) {
                    ADD_FAILURE() << "MatHam(" << i << "," << j << ") = " << e.MatHam(i, j);
                    return;
                }
            }
    }
}

TEST_P(Solucionador, InicioDosBlocosLiteral) {
    EstadoSpin e3, e10;
    Prepara(e3, SistemaPadrao3());
    Prepara(e10, SistemaPadrao10());
    MontaBase(sv(), e3);
    MontaBase(sv(), e10);
    EXPECT_EQ(e3.SubMatCount, 2);
    EXPECT_EQ(e3.SubMatInic[1], 2);
    EXPECT_EQ(e3.SubMatInic[2], 5);
    EXPECT_EQ(e10.SubMatCount, 9);
    const std::array<int, 9> inic{2, 12, 57, 177, 387, 639, 849, 969, 1014};
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(e10.SubMatInic[std::size_t(k)], inic[std::size_t(k - 1)]);
    EXPECT_EQ(e10.SubMatInic[10], 0);
    EXPECT_EQ(e10.ContEst, 1025);
}

TEST_P(Solucionador, PrimeiraOrdem) {
    for (int N : {2, 4}) {
        SCOPED_TRACE(N);
        Sistema s = SistemaAleatorio(N, 11u + unsigned(N));
        s.PrimOrdem = true;
        EstadoSpin e;
        Prepara(e, s);
        ASSERT_TRUE(Executa(sv(), e));
        const int M = e.NEst;
        for (int i = 1; i <= M; ++i) {
            EXPECT_EQ(e.MatDiag(i, i), e.MatHam(i, i));
            for (int j = 1; j <= M; ++j) EXPECT_EQ(e.MatVet(i, j), i == j ? 1.0 : 0.0);
        }
        if (N == 2) {
            EXPECT_EQ(e.MatDiag(2, 3), s.J[0] / 2); // the whole-matrix route copies it
        }

        // Only single flips, intensity 1, at the first-order positions
        // shift(p) - sum over q of m(q) J(p, q).
        ASSERT_EQ(e.NBandas, N << (N - 1));
        std::vector<double> esperadas, obtidas;
        for (int p = 0; p < N; ++p)
            for (int conf = 0; conf < (1 << (N - 1)); ++conf) {
                double f = s.desl[std::size_t(p)];
                for (int q = 0, bit = 0; q < N; ++q) {
                    if (q == p) continue;
                    const double m = (conf >> bit++) & 1 ? -0.5 : 0.5;
                    const int a = std::min(p, q) + 1, b = std::max(p, q) + 1;
                    f -= m * e.ValJ(a, b);
                }
                esperadas.push_back(f);
            }
        for (std::int32_t b = 1; b <= e.NBandas; ++b) {
            EXPECT_EQ(e.IntBanda(b), 1.0);
            EXPECT_EQ(e.NProtAfet(b), 1);
            EXPECT_NE(e.ProtBanda(b), 0);
            obtidas.push_back(e.FreqBanda(b));
        }
        std::sort(esperadas.begin(), esperadas.end());
        std::sort(obtidas.begin(), obtidas.end());
        for (std::size_t k = 0; k < esperadas.size(); ++k)
            EXPECT_NEAR(obtidas[k], esperadas[k], 1e-6);
    }
}

TEST_P(Solucionador, MatrizDeTransicao) {
    for (int N = 1; N <= 6; ++N) {
        SCOPED_TRACE(N);
        EstadoSpin e;
        Prepara(e, SistemaAleatorio(N, 3u));
        MontaBase(sv(), e);
        sv().MontaMatTrans(e);
        const int M = e.NEst;
        for (int i = 1; i <= M; ++i) {
            int uns = 0;
            for (int j = 1; j <= M; ++j) {
                int dif = 0;
                for (int p = 1; p <= N; ++p) dif += e.SpinEst(i, p) != e.SpinEst(j, p);
                EXPECT_EQ(e.MatTrans(i, j), dif == 1 ? 1 : 0) << i << "," << j;
                uns += e.MatTrans(i, j);
            }
            EXPECT_EQ(uns, N);
            EXPECT_EQ(e.MatTrans(i, 0) + e.MatTrans(0, i), 0);
        }
        if (N == 2) {
            const std::array<std::array<int, 4>, 4> T{
                {{0, 1, 1, 0}, {1, 0, 0, 1}, {1, 0, 0, 1}, {0, 1, 1, 0}}};
            for (int i = 1; i <= 4; ++i)
                for (int j = 1; j <= 4; ++j) EXPECT_EQ(e.MatTrans(i, j), T[i - 1][j - 1]);
        }
    }
}

TEST_P(Solucionador, OrdemDeGeracaoDasBandas) {
    EstadoSpin e;
    Prepara(e, {2, 300, {180, 100}, {0}});
    MontaBase(sv(), e);
    ASSERT_TRUE(Diagonaliza(sv(), e));
    sv().MontaMatTrans(e);
    sv().CalcFreqInt(e);
    ASSERT_EQ(e.NBandas, 4);
    const std::array<std::array<int, 3>, 4> esperado{{{1, 3, 1}, {1, 2, 2}, {2, 4, 1}, {3, 4, 2}}};
    for (int b = 1; b <= 4; ++b) {
        const auto& x = esperado[std::size_t(b - 1)];
        EXPECT_EQ(e.NivelA(b), x[0]);
        EXPECT_EQ(e.NivelB(b), x[1]);
        EXPECT_EQ(e.ProtBanda(b), x[2]);
        EXPECT_EQ(e.IntBanda(b), 1.0);
        EXPECT_NEAR(e.FreqBanda(b), e.FreqProt(x[2]), 1e-6); // still absolute
    }
}

TEST_P(Solucionador, QuartetoAB) {
    const double centro = 200;
    for (auto [delta, J] : std::vector<std::pair<double, double>>{
             {80, 7.5}, {20, 12}, {5, -9}, {150, 0.5}, {0.75, 15}}) {
        for (bool inverte : {false, true}) {
            SCOPED_TRACE(testing::Message() << "delta " << delta << " J " << J << " " << inverte);
            const double d = inverte ? -delta : delta;
            EstadoSpin e;
            Prepara(e, {2, 400, {centro + d / 2, centro - d / 2}, {J}, 0.0f});
            ASSERT_TRUE(Executa(sv(), e));

            const double D = std::sqrt(delta * delta + J * J);
            std::vector<Banda> esperado{{centro + (D + J) / 2, 1 - J / D},
                                        {centro + (D - J) / 2, 1 + J / D},
                                        {centro - (D - J) / 2, 1 + J / D},
                                        {centro - (D + J) / 2, 1 - J / D}};
            std::sort(esperado.begin(), esperado.end(),
                      [](const Banda& a, const Banda& b) { return a.f > b.f; });
            const auto obtido = Bandas(e);
            ASSERT_EQ(obtido.size(), 4u);
            for (std::size_t k = 0; k < 4; ++k) {
                EXPECT_NEAR(obtido[k].f, esperado[k].f, 1e-6);
                EXPECT_NEAR(obtido[k].I, esperado[k].I, 1e-9);
            }
        }
    }
}

TEST_P(Solucionador, IntensidadeMinima) {
    auto roda = [&](float IntMin, bool PrimOrdem = false) {
        Sistema s = SistemaPadrao3();
        s.IntMin = IntMin;
        s.PrimOrdem = PrimOrdem;
        s.ComTabela = false;
        EstadoSpin e;
        Prepara(e, s);
        EXPECT_TRUE(Executa(sv(), e));
        return Bandas(e);
    };
    const auto todas = roda(0);
    ASSERT_EQ(todas.size(), 15u); // every Delta M = 1 pair of 3 protons

    // An intensity below the limit in double but equal to it in single
    // precision is kept.
    auto beira = std::find_if(todas.begin(), todas.end(), [](const Banda& b) {
        return b.I > 0.05 && double(float(b.I)) > b.I;
    });
    ASSERT_NE(beira, todas.end());
    const float lim = float(beira->I);
    const auto mantidas = roda(lim);
    const auto conta = std::count_if(todas.begin(), todas.end(),
                                     [&](const Banda& b) { return float(b.I) >= lim; });
    const auto contaDupla = std::count_if(todas.begin(), todas.end(),
                                          [&](const Banda& b) { return b.I >= double(lim); });
    EXPECT_EQ(std::int64_t(mantidas.size()), std::int64_t(conta));
    EXPECT_GT(conta, contaDupla);
    EXPECT_TRUE(std::any_of(mantidas.begin(), mantidas.end(),
                            [&](const Banda& b) { return b.I == beira->I; }));

    EXPECT_TRUE(roda(1000).empty());

    // First order: the Delta M = 1 pairs that flip three protons have an
    // intensity of exactly 0, kept at a limit of 0 and dropped above it.
    EXPECT_EQ(roda(0, true).size(), 15u);
    EXPECT_EQ(roda(1e-30f, true).size(), 12u);
}

TEST_P(Solucionador, OrdenaBandasEmpatesECamposJuntos) {
    EstadoSpin e;
    Prepara(e, SistemaPadrao3()); // arrays for 28 bands of 3 protons
    const int N = e.NProt;
    auto carrega = [&](const std::vector<double>& f) {
        e.NBandas = std::int32_t(f.size());
        for (int b = 1; b <= e.NBandas + 1; ++b) {
            const auto t = std::int16_t(b);
            e.FreqBanda(b) = b <= e.NBandas ? f[std::size_t(b - 1)] : 99;
            e.IntBanda(b) = 10 + t;
            e.NivelA(b) = std::int16_t(20 + t);
            e.NivelB(b) = std::int16_t(30 + t);
            e.ProtBanda(b) = std::int16_t(40 + t);
            e.NProtAfet(b) = std::int16_t(50 + t);
            for (int k = 0; k <= N; ++k) e.ProtAfet(b, k) = std::int16_t(k == 0 ? 0 : 100 * t + k);
        }
    };
    // Each band must still carry every field of its own tag.
    auto confere = [&](const std::vector<int>& ordem) {
        for (int b = 1; b <= int(ordem.size()) + 1; ++b) {
            const int t = b <= int(ordem.size()) ? ordem[std::size_t(b - 1)] : b;
            EXPECT_EQ(e.IntBanda(b), 10 + t) << b;
            EXPECT_EQ(e.NivelA(b), 20 + t) << b;
            EXPECT_EQ(e.NivelB(b), 30 + t) << b;
            EXPECT_EQ(e.ProtBanda(b), 40 + t) << b;
            EXPECT_EQ(e.NProtAfet(b), 50 + t) << b;
            for (int k = 0; k <= N; ++k) EXPECT_EQ(e.ProtAfet(b, k), k == 0 ? 0 : 100 * t + k);
        }
    };

    // The exchange that brings the 3 forward puts band 1 behind its equal.
    carrega({2, 2, 3, 1});
    sv().OrdenaBandas(e);
    confere({3, 2, 1, 4});
    EXPECT_EQ(e.FreqBanda(5), 99);

    // Among equal maxima the first one found wins.
    carrega({3, 1, 3, 2, 3});
    sv().OrdenaBandas(e);
    confere({1, 3, 5, 4, 2});

    carrega({5, 4, 4, 1});
    sv().OrdenaBandas(e);
    confere({1, 2, 3, 4});

    for (int n : {0, 1}) {
        carrega(std::vector<double>(std::size_t(n), 7.0));
        sv().OrdenaBandas(e);
        confere(std::vector<int>(std::size_t(n), 1));
    }
}

TEST_P(Solucionador, SistemaPadraoDeTresProtons) {
    EstadoSpin e;
    Prepara(e, SistemaPadrao3());
    ASSERT_TRUE(Executa(sv(), e));
    const std::vector<Banda> esperado{
        {228.963845547, 0.285430539}, {221.295789118, 0.360466733}, {220.337268264, 0.446603354},
        {219.682626713, 1.078921877}, {212.014570284, 2.255293809}, {211.056049429, 0.191729876},
        {207.286543526, 2.900532392}, {202.497407044, 0.019886155}, {201.538886189, 2.267966106},
        {198.005324692, 0.467087457}, {193.870829761, 1.086734569}, {188.488161452, 0.347795323},
        {180.820105024, 0.277618734}};
    const auto obtido = Bandas(e);
    ASSERT_EQ(obtido.size(), esperado.size());
    for (std::size_t k = 0; k < esperado.size(); ++k) {
        EXPECT_NEAR(obtido[k].f, esperado[k].f, 1e-5) << k + 1;
        EXPECT_NEAR(obtido[k].I, esperado[k].I, 1e-6) << k + 1;
    }
}

} // namespace
