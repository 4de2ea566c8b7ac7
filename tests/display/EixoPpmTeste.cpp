// The ppm scale's arithmetic: its step, its ticks and their labels.
#include "display/EixoPpm.h"
#include "display/Geometria.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(EixoPpm, PassoDe1_2Ou5ComSeisAQuinzeMarcas) {
    EXPECT_DOUBLE_EQ(PassoParaFaixa(10, 15)->Valor(), 1);
    EXPECT_DOUBLE_EQ(PassoParaFaixa(15, 15)->Valor(), 2) << "15 steps make 16 ticks";
    EXPECT_DOUBLE_EQ(PassoParaFaixa(0.2, 15)->Valor(), 0.02);
    EXPECT_DOUBLE_EQ(PassoParaFaixa(0.9, 15)->Valor(), 0.1);
    EXPECT_EQ(PassoParaFaixa(0.2, 15)->Casas(), 2);
    EXPECT_EQ(PassoParaFaixa(300, 15)->Casas(), 0);
    for (double faixa : {0.0, -1.0, double(NAN), double(INFINITY)})
        EXPECT_FALSE(PassoParaFaixa(faixa, 15));
    // Over twenty decades, every step is 1, 2 or 5 × 10^k and gives 6 to 15 ticks.
    for (double faixa = 1e-9; faixa < 1e11; faixa *= 1.37) {
        const auto p = PassoParaFaixa(faixa, 15);
        ASSERT_TRUE(p) << faixa;
        EXPECT_TRUE(p->m == 1 || p->m == 2 || p->m == 5) << faixa;
        const double passos = faixa / p->Valor();
        EXPECT_LT(passos, 15) << faixa;
        EXPECT_GE(passos, 6) << faixa;
    }
}

// A view of 14445 twips from 3.05 ppm at its left edge, at 400 MHz.
EstadoGrafico Vista(double ppmPorLargura) {
    EstadoGrafico g;
    g.NiInic = 3.05 * 400;
    g.LimLeft = 0;
    g.TwPerHz = 14445 / (ppmPorLargura * 400);
    return g;
}

const auto Estreita = [](const std::string& t) { return 60.0 * double(t.size()); };

TEST(EixoPpm, MarcasNaPosicaoEComOSeparadorDoUsuario) {
    const EstadoGrafico g = Vista(1.0); // 3.05 .. 2.05 ppm
    const auto marcas = MarcasPpm(g, 400, 14445, ',', Estreita, 300, 14445);
    ASSERT_EQ(marcas.size(), 10u);
    EXPECT_EQ(marcas.front().texto, "3,0");
    EXPECT_EQ(marcas[3].texto, "2,7");
    EXPECT_EQ(marcas.back().texto, "2,1");
    for (std::size_t i = 0; i < marcas.size(); ++i) {
        const double ppm = 3.0 - 0.1 * double(i);
        EXPECT_NEAR(marcas[i].x, XFreq(g, ppm * 400), 1e-6) << i;
    }
    EXPECT_EQ(MarcasPpm(g, 400, 14445, '.', Estreita, 300, 14445)[3].texto, "2.7");

    // Around zero: no "-0", negative values signed.
    EstadoGrafico zero = g;
    zero.NiInic = 0.15 * 400;
    const auto z = MarcasPpm(zero, 400, 14445, ',', Estreita, 300, 14445);
    ASSERT_GE(z.size(), 2u);
    EXPECT_EQ(z[1].texto, "0,0");
    EXPECT_EQ(z[2].texto, "-0,1");

    EXPECT_TRUE(MarcasPpm(g, 0, 14445, ',', Estreita, 300, 14445).empty());
    EXPECT_TRUE(MarcasPpm(EstadoGrafico{}, 400, 14445, ',', Estreita, 300, 14445).empty());
}

TEST(EixoPpm, RotulosLargosPedemPassoMaiorEOsDaBordaSaem) {
    const EstadoGrafico g = Vista(1.0);
    // 0.1 ppm is 1444.5 twips: labels 1400 wide and 300 apart need 0.2.
    const auto largos = [](const std::string&) { return 1400.0; };
    const auto marcas = MarcasPpm(g, 400, 14445, ',', largos, 300, 14445);
    ASSERT_EQ(marcas.size(), 5u);
    EXPECT_EQ(marcas[0].texto, "3,0");
    EXPECT_EQ(marcas[4].texto, "2,2");
    // A tick too near an edge keeps its place but not its label, nor one
    // whose label would run into what follows fimRotulos.
    EstadoGrafico borda = g;
    borda.NiInic = 3.01 * 400; // 3.0 is 144 twips in
    EXPECT_EQ(MarcasPpm(borda, 400, 14445, ',', largos, 300, 14445)[0].texto, "");
    const auto curtas = MarcasPpm(g, 400, 14445, ',', largos, 300, 11000);
    EXPECT_EQ(curtas[3].texto, "2,4") << "ends at 10089";
    EXPECT_EQ(curtas[4].texto, "") << "2,2 would end at 12978";
}

} // namespace
