// Literal values of the plain reference that no physical check can see: the
// identity tests carry them over to the program's solver.

#include "Sistemas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>

namespace {

using namespace casos;

// The basis order of 2 protons (alpha-beta and beta-alpha swap when nu1 < nu2)
// and where each eigenvalue lands; with equal shifts the 45 degree rotation
// uses the stored constant 3.14159265358979, not pi.
TEST(Referencia, DoisProtons) {
    const double J = 7.5, r = std::sqrt(80 * 80 + J * J);
    // Shifts, the spin of proton 1 in state 2, and the eigenvalues at (2,2), (3,3).
    const double linhas[][5] = {{180, 100, 0.5, -J / 4 - r / 2, -J / 4 + r / 2},
                                {100, 180, -0.5, -J / 4 - r / 2, -J / 4 + r / 2},
                                {150, 150, 0.5, J / 4, -3 * J / 4}};
    EstadoSpin e;
    for (const auto& [d1, d2, m, E2, E3] : linhas) {
        SCOPED_TRACE(d1);
        Prepara(e, {2, 300, {d1, d2}, {J}});
        ASSERT_TRUE(ref::Executa(e));
        const double spins[4][2] = {{0.5, 0.5}, {m, -m}, {-m, m}, {-0.5, -0.5}};
        for (int s = 0; s < 4; ++s)
            for (int p = 0; p < 2; ++p) EXPECT_EQ(e.SpinEst(s + 1, p + 1), spins[s][p]);
        EXPECT_NEAR(e.MatDiag(2, 2), E2, 1e-6);
        EXPECT_NEAR(e.MatDiag(3, 3), E3, 1e-6);
    }
    // e now holds the equal shifts.
    const double c = std::cos(3.14159265358979 / 4), s = std::sin(3.14159265358979 / 4);
    ASSERT_NE(c, std::cos(std::numbers::pi / 4));
    EXPECT_EQ(e.MatVet(2, 2), c);
    EXPECT_EQ(e.MatVet(3, 2), s);
    EXPECT_EQ(e.MatVet(2, 3), -s);
    EXPECT_EQ(e.MatVet(3, 3), c);
}

TEST(Referencia, InicioDosBlocos) {
    for (const auto& [sistema, inic] :
         {std::pair{Padrao3, std::vector{0, 2, 5, 0}},
          std::pair{SistemaPadrao10(),
                    std::vector{0, 2, 12, 57, 177, 387, 639, 849, 969, 1014, 0}}}) {
        EstadoSpin e;
        Prepara(e, sistema);
        ref::GeraBase(e, 1);
        ref::MontaSubMat(e);
        EXPECT_EQ(e.SubMatCount, sistema.N - 1);
        for (std::size_t k = 1; k < inic.size(); ++k) EXPECT_EQ(e.SubMatInic[k], inic[k]) << k;
    }
}

// With the table closed the bands stay in the order they were generated:
// levels (1,3), (1,2), (2,4), (3,4).
TEST(Referencia, OrdemDeGeracaoDasBandas) {
    EstadoSpin e;
    Prepara(e, {2, 300, {180, 100}, {0}, 0.01f, false, false});
    ASSERT_TRUE(ref::Executa(e));
    ASSERT_EQ(e.NBandas, 4);
    const double f[] = {180, 100, 180, 100};
    for (int b = 1; b <= 4; ++b) EXPECT_NEAR(e.FreqBanda(b), f[b - 1], 1e-6) << b;
}

// An intensity below the limit in double but equal to it in single precision
// is kept.
TEST(Referencia, IntensidadeMinimaEmPrecisaoSimples) {
    auto roda = [](float IntMin) {
        EstadoSpin e;
        Prepara(e, Com(Padrao3, IntMin, false, false));
        EXPECT_TRUE(ref::Executa(e));
        return e;
    };
    const EstadoSpin todas = roda(0), beira = roda(LimiteNaBeira);
    int emFloat = 0, emDouble = 0;
    for (std::int32_t b = 1; b <= todas.NBandas; ++b) {
        emFloat += float(todas.IntBanda(b)) >= LimiteNaBeira;
        emDouble += todas.IntBanda(b) >= double(LimiteNaBeira);
    }
    EXPECT_EQ(beira.NBandas, emFloat);
    EXPECT_GT(emFloat, emDouble);
}

// Selection sort with exchanges: among equal maxima the first found wins, and
// an exchange can put a band behind its equal. Every field travels.
TEST(Referencia, OrdenaBandasEmpates) {
    EstadoSpin e;
    Prepara(e, Padrao3); // arrays for 28 bands
    const auto campos = {&EstadoSpin::NivelA, &EstadoSpin::NivelB, &EstadoSpin::ProtBanda,
                         &EstadoSpin::NProtAfet};
    // Frequencies, then the band each position must hold after the sort.
    const std::pair<std::vector<int>, std::vector<int>> casos[] = {
        {{2, 2, 3, 1}, {3, 2, 1, 4}},
        {{3, 1, 3, 2, 3}, {1, 3, 5, 4, 2}},
        {{5, 4, 4, 1}, {1, 2, 3, 4}}};
    for (const auto& [f, ordem] : casos) {
        const int n = int(f.size());
        e.NBandas = n;
        for (int b = 1; b <= n + 1; ++b) { // one past the end must stay put
            e.FreqBanda(b) = b <= n ? f[std::size_t(b - 1)] : 99;
            e.IntBanda(b) = b;
            for (auto v : campos) (e.*v)(b) = std::int16_t(b);
            for (int q = 1; q <= 3; ++q) e.ProtAfet(b, q) = std::int16_t(10 * b + q);
        }
        ref::OrdenaBandas(e);
        for (int b = 1; b <= n + 1; ++b) {
            const int t = b <= n ? ordem[std::size_t(b - 1)] : b;
            EXPECT_EQ(e.FreqBanda(b), b <= n ? f[std::size_t(t - 1)] : 99) << b;
            EXPECT_EQ(e.IntBanda(b), t) << b;
            for (auto v : campos) EXPECT_EQ((e.*v)(b), t) << b;
            for (int q = 1; q <= 3; ++q) EXPECT_EQ(e.ProtAfet(b, q), 10 * t + q) << b;
        }
    }
}

} // namespace
