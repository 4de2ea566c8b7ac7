#include "DesenhoAux.h"

#include <vector>

using namespace aux;

namespace {

TEST(Geometria, JanelaZoomRotulosEFundo) {
    // Exactly 5 Hz apart still counts as close: a fixed 285 twips per Hz, centred.
    EstadoGrafico g;
    g.ZoomHoriz = 1.5;
    CalculaJanela(g, Bandas({{100, 1}, {105, 1}}), LarguraLarga);
    EXPECT_EQ(g.TwPerHz, 285 * 1.5);
    EXPECT_NEAR(XFreq(g, 102.5), LarguraLarga / 2.0, 1e-9);
    CalculaJanela(g, Bandas({{-40, 1}, {-10, 1}}), LarguraLarga); // still reaches 0 Hz
    EXPECT_EQ(g.NiInic, 0);

    // Zooming keeps the frequency at the centre, scrolled or not.
    Cena c(EntradaInicial(3));
    CalculaJanela(c.g, c.e, LarguraLarga);
    const auto [fmax, fmin] = Extremos(c.e);
    EXPECT_NEAR(XFreq(c.g, fmax), LarguraLarga / 8.0, 1e-9);
    EXPECT_NEAR(XFreq(c.g, fmin), 7 * LarguraLarga / 8.0, 1e-9);
    MudaRolagem(c.g, RolagemNeutra - 700);
    CalculaJanela(c.g, c.e, LarguraLarga);
    const float centro = FreqNoPonto(c.g, LarguraLarga / 2.0);
    for (bool ampliar : {true, true, false, true, false, false, false}) {
        ZoomHorizontal(c.g, ampliar);
        CalculaJanela(c.g, c.e, LarguraLarga);
        EXPECT_NEAR(FreqNoPonto(c.g, LarguraLarga / 2.0), centro, 1e-3);
    }

    // A group of four close markers around the first, centred by the odd count.
    std::array<double, NProtMax + 1> x{};
    x[1] = 5000, x[2] = 5050, x[3] = 5100, x[4] = 5150, x[5] = 9000;
    const auto off = DeslocamentosRotulos(x, 5);
    EXPECT_EQ((std::vector<long>(off.begin() + 1, off.begin() + 6)),
              (std::vector<long>{125, -125, 375, -375, 0}));

    const EstadoSpin e = Bandas({{100, 1}, {110, 1}, {90, 1}});
    EXPECT_EQ(BandaMaisProxima(e, 95), 1); // a tie goes to the first
    EXPECT_FALSE(BandaMaisProxima(e, 20000));

    MudaFundo(g, 7); // on white, combination bands turn grey
    EXPECT_EQ(g.CorProt[0], CinzaCombinacao);
    MudaFundo(g, 3);
    EXPECT_EQ(g.CorProt[0], Rgb(255, 255, 255));
}

TEST(Geometria, LeituraEmHzEPpm) {
    EstadoGrafico g;
    g.NiInic = 1234.4;
    g.LimLeft = 3000;
    g.TwPerHz = 10;
    EXPECT_EQ(TextoLeitura(g, 400, 3000, ','), "1234,4 Hz  3,086 ppm");
    EXPECT_EQ(TextoLeitura(g, 400, 3000, '.'), "1234.4 Hz  3.086 ppm");
    // 12 Hz below the spectrometer's frequency; whole values keep their decimals.
    EXPECT_EQ(TextoLeitura(g, 300, 3000 + 12464, ','), "-12,0 Hz  -0,040 ppm");
    EXPECT_EQ(TextoLeitura(g, 300, 3000 + 12344.2, ','), "0,0 Hz  0,000 ppm") << "never -0";
    EXPECT_EQ(TextoLeitura(g, 0, 3000, ','), "1234,4 Hz") << "no frequency, no ppm";
}

} // namespace
