// The line shape on any grid: its closed forms, and the same bits as the
// plot's own samples at the same frequencies.
#include "display/EnvolventeCalc.h"
#include "display/Geometria.h"
#include "espectro/FormaDeLinha.h"
#include "run/Simulacao.h"
#include "run/ValoresIniciais.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// One evaluation of bands (Hz, intensity) at the frequencies hz.
LinhaNaGrade Avalia(const std::vector<double>& hz, const std::vector<double>& bandasHz,
                    const std::vector<double>& intensidades, FormaDeLinha f) {
    LinhaNaGrade l;
    l.Dimensiona(hz.size());
    std::copy(hz.begin(), hz.end(), l.Hz.begin());
    l.Calcula({bandasHz, intensidades}, f);
    return l;
}

TEST(FormaDeLinha, UmaBandaSegueAsFormasFechadas) {
    // A line of 3 at 100 Hz, half width 1.5 Hz: the top, ± the half width,
    // ± twice it, where the Lorentzian falls to 1/5 and the Gaussian to 1/16.
    const std::vector<double> hz = {103, 101.5, 100, 98.5, 97};
    for (double frac : {0.0, 0.3, 1.0}) {
        SCOPED_TRACE(frac);
        const LinhaNaGrade l = Avalia(hz, {100}, {3}, {1.5, frac});
        for (std::size_t i : {0u, 4u}) {
            EXPECT_DOUBLE_EQ(l.Lorentz[i], 3.0 / 5);
            EXPECT_DOUBLE_EQ(l.Gauss[i], 3.0 / 16);
            EXPECT_DOUBLE_EQ(l.Valor[i], (1 - frac) * 3.0 / 5 + frac * 3.0 / 16);
        }
        for (std::size_t i : {1u, 3u}) {
            EXPECT_DOUBLE_EQ(l.Lorentz[i], 1.5);
            EXPECT_DOUBLE_EQ(l.Gauss[i], 1.5);
            EXPECT_DOUBLE_EQ(l.Valor[i], 1.5);
        }
        EXPECT_EQ(l.Lorentz[2], 3);
        EXPECT_EQ(l.Gauss[2], 3);
        EXPECT_DOUBLE_EQ(l.Valor[2], 3);
    }
    EXPECT_EQ(FracGaussDe(30), 0.7);
}

TEST(FormaDeLinha, BandasDistantesSomamSemSeTocar) {
    // 1 Hz lines 5 000 Hz apart: near each, the other adds no Gaussian at all
    // and only its own small Lorentzian tail.
    std::vector<double> hz(401);
    GradeUniforme(1010, -0.05, hz); // 1010 .. 990 Hz, around the first line
    const FormaDeLinha f{0.5, 0.5};
    const LinhaNaGrade ambas = Avalia(hz, {1000, 6000}, {2, 7}, f);
    const LinhaNaGrade perto = Avalia(hz, {1000}, {2}, f);
    const LinhaNaGrade longe = Avalia(hz, {6000}, {7}, f);
    for (std::size_t i = 0; i < hz.size(); ++i) {
        EXPECT_EQ(ambas.Gauss[i], perto.Gauss[i]);
        EXPECT_EQ(longe.Gauss[i], 0);
        EXPECT_DOUBLE_EQ(ambas.Lorentz[i], perto.Lorentz[i] + longe.Lorentz[i]);
    }
}

// The plot's samples of an eight-proton run, and the same frequencies handed
// over as a grid of their own: rising instead of falling, and a slice that
// starts inside a block, give the plot's very bits.
TEST(FormaDeLinha, GradeQualquerDaOsBitsDoGrafico) {
    EstadoSpin e, trabalho;
    ObservadorSimulacao nada;
    Simula(EntradaInicial(8), e, trabalho, nada);
    EstadoGrafico g;
    CalculaJanela(g, e, LarguraLarga);
    Envolvente env;
    env.MeiaLargura = 0.3;
    AmostraVista(env, g, e, 3);
    const std::size_t n = env.EnvFreq.size();

    std::vector<double> subindo(env.EnvFreq.rbegin(), env.EnvFreq.rend());
    const LinhaNaGrade l = Avalia(subindo, {}, {}, {});
    LinhaNaGrade r = l;
    SomaNaGrade(r.Hz, LinhasDe(e), env.MeiaLargura, r.Gauss, r.Lorentz);
    for (std::size_t i = 0; i < n; ++i) {
        ASSERT_EQ(std::memcmp(&r.Gauss[i], &env.EnvGauss[n - 1 - i], sizeof(double)), 0) << i;
        ASSERT_EQ(std::memcmp(&r.Lorentz[i], &env.EnvLorentz[n - 1 - i], sizeof(double)), 0) << i;
    }

    const std::size_t ini = 301, fim = 1700;
    std::vector<double> fatia(env.EnvFreq.begin() + ini, env.EnvFreq.begin() + fim);
    LinhaNaGrade s = Avalia(fatia, {}, {}, {});
    SomaNaGrade(s.Hz, LinhasDe(e), env.MeiaLargura, s.Gauss, s.Lorentz);
    const std::size_t bytes = sizeof(double) * (fim - ini);
    EXPECT_EQ(std::memcmp(s.Gauss.data(), env.EnvGauss.data() + ini, bytes), 0);
    EXPECT_EQ(std::memcmp(s.Lorentz.data(), env.EnvLorentz.data() + ini, bytes), 0);
}

// A grid in ppm, evaluated again with the same size, keeps its buffers.
TEST(FormaDeLinha, GradeEmPpmReaproveitaOsVetores) {
    const std::vector<double> ppm = {3.5, 3.25, 3.0};
    LinhaNaGrade l;
    l.EmPpm(ppm, 400, 0.25);
    EXPECT_EQ(l.Hz, (std::vector<double>{1500, 1400, 1300}));
    const std::vector<double> bandas = {1400}, intensidades = {1};
    l.Calcula({bandas, intensidades}, {100, 0.5});
    EXPECT_EQ(l.Valor[1], 1);
    EXPECT_DOUBLE_EQ(l.Valor[0], 0.5);
    const double* antes[] = {l.Hz.data(), l.Gauss.data(), l.Lorentz.data(), l.Valor.data()};
    l.EmPpm(ppm, 400);
    l.Calcula({bandas, intensidades}, {100, 0.5});
    const double* depois[] = {l.Hz.data(), l.Gauss.data(), l.Lorentz.data(), l.Valor.data()};
    EXPECT_TRUE(std::equal(antes, antes + 4, depois));
    EXPECT_EQ(l.Hz[2], 1200);
}

} // namespace
