// The ppm scale's arithmetic: its step, its ticks and their labels.
#include "display/EixoPpm.h"
#include "display/Geometria.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// Over twenty decades, every step is 1, 2 or 5 × 10^k and gives 6 to 15
// ticks; no range, no step.
TEST(EixoPpm, PassoDe1_2Ou5ComSeisAQuinzeMarcas) {
    for (double faixa = 1e-9; faixa < 1e11; faixa *= 1.37) {
        const auto p = PassoParaFaixa(faixa, 15);
        ASSERT_TRUE(p) << faixa;
        EXPECT_TRUE(p->m == 1 || p->m == 2 || p->m == 5) << faixa;
        EXPECT_LT(faixa / p->Valor(), 15) << faixa;
        EXPECT_GE(faixa / p->Valor(), 6) << faixa;
    }
    for (double faixa : {0.0, -1.0, double(NAN), double(INFINITY)})
        EXPECT_FALSE(PassoParaFaixa(faixa, 15));
}

// A view of 14445 twips at 400 MHz from 3.05 ppm to 2.05 ppm.
EstadoGrafico Vista(double ppmEsquerda) {
    EstadoGrafico g;
    g.NiInic = ppmEsquerda * 400;
    g.LimLeft = 0;
    g.TwPerHz = 14445 / 400.0;
    return g;
}

std::vector<MarcaPpm> Marcas(const EstadoGrafico& g, double largura, char sep = ',',
                             double fim = 14445) {
    return MarcasPpm(
        g, 400, 14445, sep, [largura](const std::string& t) { return largura * double(t.size()); },
        300, fim);
}

constexpr double Largo = 1400.0 / 3; // a label of three characters 1400 twips wide

TEST(EixoPpm, MarcasNaPosicaoEComOSeparadorDoUsuario) {
    const EstadoGrafico g = Vista(3.05);
    const auto marcas = Marcas(g, 60);
    ASSERT_EQ(marcas.size(), 10u);
    for (std::size_t i = 0; i < marcas.size(); ++i)
        EXPECT_NEAR(marcas[i].x, XFreq(g, (3.0 - 0.1 * double(i)) * 400), 1e-6) << i;
    EXPECT_EQ(marcas[3].texto, "2,7");
    EXPECT_EQ(Marcas(g, 60, '.')[3].texto, "2.7");
    // Around zero: no "-0", negative values signed.
    const auto z = Marcas(Vista(0.15), 60);
    ASSERT_GE(z.size(), 3u);
    EXPECT_EQ(z[1].texto, "0,0");
    EXPECT_EQ(z[2].texto, "-0,1");
    EXPECT_TRUE(Marcas(EstadoGrafico{}, 60).empty());

    // 0.1 ppm is 1444.5 twips: labels 1400 wide and 300 apart need 0.2. A
    // tick too near an edge keeps its place but not its label, nor one whose
    // label would run into what follows fimRotulos.
    const auto largos = Marcas(g, Largo);
    ASSERT_EQ(largos.size(), 5u);
    EXPECT_EQ(largos[4].texto, "2,2");
    EXPECT_EQ(Marcas(Vista(3.01), Largo)[0].texto, "") << "3,0 is 144 twips in";
    const auto curtas = Marcas(g, Largo, ',', 11000);
    EXPECT_EQ(curtas[3].texto, "2,4") << "ends at 10089";
    EXPECT_EQ(curtas[4].texto, "") << "2,2 would end at 12978";
}

} // namespace
