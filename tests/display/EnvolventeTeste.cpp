// The envelope's samples, sums, maxima and scale.
#include "DesenhoAux.h"

#include "display/EnvolventeCalc.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

using namespace aux;

namespace {

// The sums as a plain double loop over every sample and every band, bit for bit.
void ConfereSomas(const Envolvente& a, const EstadoSpin& e) {
    std::vector<double> gauss(std::size_t(a.Amostras())), lorentz(gauss.size());
    for (int i = 0; i < a.Amostras(); ++i)
        for (int k = 1; k <= e.NBandas; ++k) {
            const double r = (e.FreqBanda(k) - a.EnvFreq[i]) / a.MeiaLargura;
            const double u = r * r; // the square, as pow(x, 2) folds to in Release
            gauss[std::size_t(i)] += e.IntBanda(k) * std::exp(u * std::log(0.5));
            lorentz[std::size_t(i)] += e.IntBanda(k) / (1 + u);
        }
    const std::size_t bytes = sizeof(double) * gauss.size();
    EXPECT_EQ(std::memcmp(a.EnvGauss.data(), gauss.data(), bytes), 0);
    EXPECT_EQ(std::memcmp(a.EnvLorentz.data(), lorentz.data(), bytes), 0);
}

// Only the run of samples around each band gets a Gaussian term: bands at
// either edge or outside the window, narrow lines of a few samples, several
// samples per column, the two cores of a wide plot and samples in no order
// must all give the literal sums.
TEST(Envolvente, SomasIguaisAoLacoLiteral) {
    Cena c(EntradaInicial(6));
    CalculaJanela(c.g, c.e, LarguraLarga);
    for (const auto& [meia, porColuna] : {std::pair{0.5, 1}, {0.02, 5}, {40.0, 5}}) {
        SCOPED_TRACE(testing::Message() << meia << " " << porColuna);
        Envolvente a;
        a.MeiaLargura = meia;
        AmostraVista(a, c.g, c.e, porColuna);
        ASSERT_EQ(a.Amostras(), PontosLargo * porColuna);
        ConfereSomas(a, c.e);
    }
    EstadoGrafico perto = c.g; // a zoomed window: most bands beyond its edges
    perto.TwPerHz *= 25;
    perto.NiInic -= 40;
    Envolvente a;
    AmostraVista(a, perto, c.e, 3);
    ConfereSomas(a, c.e);

    a.Dimensiona(64);
    for (int i = 0; i < a.Amostras(); ++i) a.EnvFreq[i] = c.e.FreqBanda(1 + (i * 37) % c.e.NBandas);
    CalculaSomas(a, c.e);
    ConfereSomas(a, c.e);

    CalculaJanela(c.g, c.e, 15 * 1900);
    Envolvente larga;
    larga.EnvPontos = 1900;
    AmostraVista(larga, c.g, c.e, 1);
    ConfereSomas(larga, c.e);
}

TEST(Envolvente, MisturaMaximosEEscala) {
    EstadoGrafico g;
    g.NiInic = 100;
    g.TwPerHz = 15; // sample i at 100 - i Hz
    Envolvente& env = g.env;
    env.MeiaLargura = 2;
    AmostraVista(env, g, Bandas({{50, 1}}), 1);
    for (int slider : {0, 37, 100}) {
        Remistura(env, slider);
        EXPECT_EQ(env.EnvComb[50], 1);
        EXPECT_EQ(env.EnvComb[48], 0.5);
        EXPECT_EQ(env.EnvComb[52], 0.5);
    }
    Remistura(env, 0);
    EXPECT_EQ(env.EnvComb[40], env.EnvGauss[40]);
    Remistura(env, 100);
    EXPECT_EQ(env.EnvComb[40], env.EnvLorentz[40]);
    EXPECT_EQ(TextoMistura(30), "30% Lorentziana + 70% Gaussiana");

    // A maximum between two samples is found between them, not at either.
    AmostraVista(env, g, Bandas({{50.3, 1}}), 1);
    Remistura(env, 50);
    ProcuraMaximos(env);
    ASSERT_EQ(env.MaxEnvCount, 1);
    EXPECT_NEAR(env.MaxEnvFreq[1], 50.3, 0.03);
    EXPECT_NEAR(env.MaxEnvAltura[1], 1, 0.01);

    // A flat top counts once, at its last sample; the ends never count.
    env.Dimensiona(8);
    const double v[] = {5, 1, 2, 2, 2, 1, 3, 0};
    std::copy(v, v + 8, env.EnvComb.begin());
    EXPECT_EQ(ProcuraMaximos(env), 5);
    ASSERT_EQ(env.MaxEnvCount, 2);
    EXPECT_EQ(env.MaxEnvPos[1], 4);
    EXPECT_EQ(env.MaxEnvPos[2], 6);
    env.Dimensiona(1001);
    for (int i = 0; i < 1001; ++i) env.EnvComb[i] = i % 2;
    ProcuraMaximos(env);
    EXPECT_EQ(env.MaxEnvCount, MaxEnvCapacidade);

    // The highest point at two thirds of the height; a fixed window keeps its scale.
    Cena c(EntradaInicial(4));
    CalculaJanela(c.g, c.e, LarguraLarga);
    CalculaLinhaBase(c.g, AlturaLarga);
    EXPECT_NEAR(PreparaEnvolvente(c.g, c.e, c.o, AlturaLarga) * c.g.EscalaVert, AlturaLarga / 1.5,
                1e-6);
    c.g.JanelaFixa = c.g.RecalcEscala = true;
    c.g.EscalaVertFixa = 3;
    c.g.ZoomVert = 1.5;
    PreparaEnvolvente(c.g, c.e, c.o, AlturaLarga);
    EXPECT_EQ(c.g.EscalaVert, 4.5);
}

// The width box holds the whole width at half height, as the window hands
// it to the plot: one line, width 1 Hz, is half its peak 0.5 Hz either side.
TEST(Envolvente, LarguraDaCaixaEAInteiraAMeiaAltura) {
    for (const char* largura : {"1", "1,0"}) {
        Cena c(EntradaInicial(1));
        c.o.TextoLargura = largura;
        CalculaJanela(c.g, c.e, LarguraLarga);
        PreparaEnvolvente(c.g, c.e, c.o, AlturaLarga);
        Envolvente& env = c.g.env;
        const double f = c.e.FreqBanda(1);
        env.Dimensiona(3);
        env.EnvFreq = {f, f - 0.5, f + 0.5};
        CalculaSomas(env, c.e);
        for (int slider : {0, 100}) {
            Remistura(env, slider);
            EXPECT_NEAR(env.EnvComb[1] / env.EnvComb[0], 0.5, 1e-12) << largura << " " << slider;
            EXPECT_NEAR(env.EnvComb[2] / env.EnvComb[0], 0.5, 1e-12) << largura << " " << slider;
        }
    }
}

} // namespace
