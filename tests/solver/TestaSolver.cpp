// Literal values that no physical check can see, on the program's solver:
// the basis order, the stored constant of the 45 degree rotation, the
// single-precision limit and the tie order of the sort (the order bands are
// generated in is the reference's, bit for bit, in TestaIdentidade).

#include "Sistemas.h"
#include "comum/DoisNucleos.h"
#include "solver/OrdenaBandas.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <new>
#include <numbers>
#include <thread>
#include <utility>

namespace {

using namespace casos;

// The basis order of 2 protons (alpha-beta and beta-alpha swap when nu1 < nu2)
// and where each eigenvalue lands; with equal shifts the 45 degree rotation
// uses the stored constant 3.14159265358979, not pi.
TEST(Solver, DoisProtons) {
    const double J = 7.5, r = std::sqrt(80 * 80 + J * J);
    // Shifts, the spin of proton 1 in state 2, and the eigenvalues at (2,2), (3,3).
    const double linhas[][5] = {{180, 100, 0.5, -J / 4 - r / 2, -J / 4 + r / 2},
                                {100, 180, -0.5, -J / 4 - r / 2, -J / 4 + r / 2},
                                {150, 150, 0.5, J / 4, -3 * J / 4}};
    EstadoSpin e;
    for (const auto& [d1, d2, m, E2, E3] : linhas) {
        SCOPED_TRACE(d1);
        e = Calcula({2, 300, {d1, d2}, {J}});
        ASSERT_EQ(e.NEst, 4);
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

// An intensity below the limit in double but equal to it in single precision
// is kept.
TEST(Solver, IntensidadeMinimaEmPrecisaoSimples) {
    const EstadoSpin todas = Calcula(Com(Padrao3, 0, false, false));
    const EstadoSpin beira = Calcula(Com(Padrao3, LimiteNaBeira, false, false));
    int emFloat = 0, emDouble = 0;
    for (std::int32_t b = 1; b <= todas.NBandas; ++b) {
        emFloat += float(todas.IntBanda(b)) >= LimiteNaBeira;
        emDouble += todas.IntBanda(b) >= double(LimiteNaBeira);
    }
    EXPECT_EQ(beira.NBandas, emFloat);
    EXPECT_GT(emFloat, emDouble);
}

const auto CamposDeBanda = {&EstadoSpin::NivelA, &EstadoSpin::NivelB, &EstadoSpin::ProtBanda,
                            &EstadoSpin::NProtAfet};

// Bands 1..n with these frequencies and, in every other field, values that
// say which band they came from; band n + 1 as a sentinel.
void PoeBandas(EstadoSpin& e, const std::vector<double>& f) {
    const int n = int(f.size());
    ASSERT_LT(n, e.FreqBanda.limite());
    ASSERT_GE(e.ProtAfet.colunas(), 3);
    e.NBandas = n;
    for (int b = 1; b <= n + 1; ++b) {
        e.FreqBanda(b) = b <= n ? f[std::size_t(b - 1)] : 1e9;
        e.IntBanda(b) = b;
        for (auto v : CamposDeBanda) (e.*v)(b) = std::int16_t(b);
        for (int q = 1; q <= 3; ++q) e.ProtAfet(b, q) = std::int16_t(10 * b + q);
    }
}

// Long runs of few distinct frequencies: the fast sort must replay every
// exchange of the plain one, not just reach some descending order. Signed
// zeros compare equal, so they tie; negative and tiny values keep their order.
TEST(Solver, OrdenaBandasComoASelecaoSimples) {
    const EstadoSpin calculado = Calcula(SistemaAleatorio(6, 5u)); // arrays for 2016 bands
    const double valores[] = {0.0, -0.0, -1.5, 2.25, -3000.125, 1e-300, -1e-300, 7};
    std::mt19937 g(11);
    std::uniform_real_distribution<double> qualquer(-5000, 5000);
    for (int n : {2, 3, 17, 64, 500, 2015}) {
        for (int distintas : {1, 3, 8, 40, 0}) { // 0: every frequency different
            SCOPED_TRACE(testing::Message() << n << " bands, " << distintas << " frequencies");
            std::vector<double> f;
            for (int b = 0; b < n; ++b)
                f.push_back(distintas == 0   ? qualquer(g)
                            : distintas <= 8 ? valores[g() % unsigned(distintas)]
                                             : double(g() % unsigned(distintas)));
            EstadoSpin p = calculado;
            ASSERT_NO_FATAL_FAILURE(PoeBandas(p, f));
            EstadoSpin r = p;
            OrdenaBandas(p);
            ref::OrdenaBandas(r);
            for (int b = 1; b <= n + 1; ++b) {
                ASSERT_EQ(p.FreqBanda(b), r.FreqBanda(b)) << b;
                ASSERT_EQ(p.IntBanda(b), r.IntBanda(b)) << b;
                for (auto v : CamposDeBanda) ASSERT_EQ((p.*v)(b), (r.*v)(b)) << b;
                for (int q = 1; q <= p.NProt; ++q)
                    ASSERT_EQ(p.ProtAfet(b, q), r.ProtAfet(b, q)) << b;
            }
        }
    }
}

// An item that throws on the helper thread must reach the caller as an
// exception (a run out of memory is refused), never end the program.
TEST(Solver, ExcecaoDoAjudanteChegaAQuemChamou) {
    const auto principal = std::this_thread::get_id();
    std::atomic<int> feitos{0};
    const auto item = [&](std::size_t) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (std::this_thread::get_id() != principal) throw std::bad_alloc();
        ++feitos;
    };
    if (std::thread::hardware_concurrency() < 2) GTEST_SKIP() << "one core: no helper thread";
    EXPECT_THROW(EmDoisNucleos(200, true, item), std::bad_alloc);
    EXPECT_LT(feitos, 200) << "the caller's thread stops taking items too";
    EXPECT_THROW(EmDoisNucleos(200, true, [](std::size_t) { throw std::bad_alloc(); }),
                 std::bad_alloc);
}

} // namespace
