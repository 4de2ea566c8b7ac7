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
        const double lorentz[] = {0.6, 1.5, 3, 1.5, 0.6},
                     gauss[] = {3.0 / 16, 1.5, 3, 1.5, 3.0 / 16};
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_DOUBLE_EQ(l.Lorentz[i], lorentz[i]) << i;
            EXPECT_DOUBLE_EQ(l.Gauss[i], gauss[i]) << i;
            EXPECT_DOUBLE_EQ(l.Valor[i], (1 - frac) * lorentz[i] + frac * gauss[i]) << i;
        }
    }
    EXPECT_EQ(FracGaussDe(30), 0.7);
    // A grid in ppm, at 400 MHz, shifted by the reference.
    const std::vector<double> ppm = {3.5, 3.25, 3.0};
    LinhaNaGrade p;
    p.EmPpm(ppm, 400, 0.25);
    EXPECT_EQ(p.Hz, (std::vector<double>{1500, 1400, 1300}));
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
    const auto mesmosBits = [&](std::vector<double> hz, std::size_t de, bool subindo) {
        LinhaNaGrade l = Avalia(hz, {}, {}, {});
        SomaNaGrade(l.Hz, LinhasDe(e), env.MeiaLargura, l.Gauss, l.Lorentz);
        for (std::size_t i = 0; i < hz.size(); ++i) {
            const std::size_t j = subindo ? hz.size() - 1 - i : de + i;
            ASSERT_EQ(std::memcmp(&l.Gauss[i], &env.EnvGauss[j], sizeof(double)), 0) << i;
            ASSERT_EQ(std::memcmp(&l.Lorentz[i], &env.EnvLorentz[j], sizeof(double)), 0) << i;
        }
    };
    mesmosBits({env.EnvFreq.rbegin(), env.EnvFreq.rend()}, 0, true);
    mesmosBits({env.EnvFreq.begin() + 301, env.EnvFreq.begin() + 1700}, 301, false);
}

} // namespace
