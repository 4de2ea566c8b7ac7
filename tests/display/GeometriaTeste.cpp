#include "DesenhoAux.h"

#include "display/EnvolventeCalc.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

using namespace aux;

namespace {

EstadoSpin Bandas(std::initializer_list<std::pair<double, double>> bandas) {
    EstadoSpin e;
    e.NProt = 1;
    e.NBandas = int(bandas.size());
    e.FreqBanda.recria(e.NBandas);
    e.IntBanda.recria(e.NBandas);
    int k = 0;
    for (auto [f, i] : bandas) {
        e.FreqBanda(++k) = f;
        e.IntBanda(k) = i;
    }
    return e;
}

TEST(Geometria, JanelaZoomRotulosEFundo) {
    Cena c(EntradaInicial(3));
    EstadoGrafico& g = c.g;
    CalculaJanela(g, c.e, LarguraLarga);
    double fmax = -1e9, fmin = 1e9;
    for (int k = 1; k <= c.e.NBandas; ++k) {
        fmax = std::max(fmax, c.e.FreqBanda(k));
        fmin = std::min(fmin, c.e.FreqBanda(k));
    }
    EXPECT_NEAR(XFreq(g, fmax), LarguraLarga / 8.0, 1e-9);
    EXPECT_NEAR(XFreq(g, fmin), 7 * LarguraLarga / 8.0, 1e-9);

    // Exactly 5 Hz apart still counts as close: a fixed 285 twips per Hz, centred.
    g.ZoomHoriz = 1.5;
    CalculaJanela(g, Bandas({{100, 1}, {105, 1}}), LarguraLarga);
    EXPECT_EQ(g.TwPerHz, 285 * 1.5);
    EXPECT_NEAR(XFreq(g, 102.5), LarguraLarga / 2.0, 1e-9);
    CalculaJanela(g, Bandas({{-40, 1}, {-10, 1}}), LarguraLarga); // still reaches 0 Hz
    EXPECT_EQ(g.NiInic, 0);

    // Zooming keeps the frequency at the centre, scrolled or not.
    Restaura(g);
    MudaRolagem(g, RolagemNeutra - 700);
    CalculaJanela(g, c.e, LarguraLarga);
    const float centro = FreqNoPonto(g, LarguraLarga / 2.0);
    for (bool ampliar : {true, true, false, true, false, false, false}) {
        ZoomHorizontal(g, ampliar);
        CalculaJanela(g, c.e, LarguraLarga);
        EXPECT_NEAR(FreqNoPonto(g, LarguraLarga / 2.0), centro, 1e-3);
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

// The sums as a plain double loop over every sample and every band.
Envolvente SomasLiterais(const Envolvente& dado, const EstadoSpin& e) {
    Envolvente b = dado;
    for (int i = 0; i < b.EnvPontos; ++i) {
        b.EnvGauss[i] = b.EnvLorentz[i] = 0;
        for (int k = 1; k <= e.NBandas; ++k) {
            const double r = (e.FreqBanda(k) - b.EnvFreq[i]) / b.MeiaLargura;
            const double u = r * r; // the square, as pow(x, 2) folds to in Release
            b.EnvGauss[i] += e.IntBanda(k) * std::exp(u * std::log(0.5));
            b.EnvLorentz[i] += e.IntBanda(k) / (1 + u);
        }
    }
    return b;
}

void ConfereSomas(Envolvente& a, const EstadoGrafico& g, const EstadoSpin& e) {
    CalculaSomas(a, g, e);
    const Envolvente b = SomasLiterais(a, e);
    EXPECT_EQ(std::memcmp(a.EnvGauss.data(), b.EnvGauss.data(), sizeof a.EnvGauss), 0);
    EXPECT_EQ(std::memcmp(a.EnvLorentz.data(), b.EnvLorentz.data(), sizeof a.EnvLorentz), 0);
}

// Only the run of samples around each band gets a Gaussian term: bands at
// either edge or outside the window, narrow lines of a few samples, the two
// cores of a wide plot and samples in no order must all give the literal sums.
TEST(Envolvente, SomasIguaisAoLacoLiteral) {
    Cena c(EntradaInicial(8));
    CalculaJanela(c.g, c.e, LarguraLarga);
    for (double meia : {0.5, 0.02, 40.0}) {
        SCOPED_TRACE(meia);
        Envolvente a;
        a.MeiaLargura = meia;
        ConfereSomas(a, c.g, c.e);
    }
    EstadoGrafico perto = c.g; // a zoomed window: most bands beyond its edges
    perto.TwPerHz *= 25;
    perto.NiInic -= 40;
    Envolvente a;
    a.MeiaLargura = 0.5;
    ConfereSomas(a, perto, c.e);

    EstadoGrafico desordem = c.g; // TwPerHz 0 keeps the samples it is given
    desordem.TwPerHz = 0;
    a.EnvPontos = 64;
    for (int i = 0; i < a.EnvPontos; ++i) a.EnvFreq[i] = c.e.FreqBanda(1 + (i * 37) % c.e.NBandas);
    ConfereSomas(a, desordem, c.e);

    Cena dez(EntradaInicial(10));
    CalculaJanela(dez.g, dez.e, 15 * 1900);
    Envolvente larga;
    larga.EnvPontos = 1900;
    larga.MeiaLargura = 0.5;
    ConfereSomas(larga, dez.g, dez.e);
}

TEST(Envolvente, MisturaMaximosEEscala) {
    EstadoGrafico g;
    g.NiInic = 100;
    g.TwPerHz = 15; // sample i at 100 - i Hz
    Envolvente& env = g.env;
    env.MeiaLargura = 2;
    CalculaSomas(env, g, Bandas({{50, 1}}));
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

    // A flat top counts once, at its last sample; the ends never count.
    env.EnvPontos = 8;
    const double v[] = {5, 1, 2, 2, 2, 1, 3, 0};
    std::copy(v, v + 8, env.EnvComb.begin());
    EXPECT_EQ(ProcuraMaximos(env), 5);
    ASSERT_EQ(env.MaxEnvCount, 2);
    EXPECT_EQ(env.MaxEnvPos[1], 4);
    EXPECT_EQ(env.MaxEnvPos[2], 6);
    env.EnvPontos = 1001;
    for (int i = 0; i < 1001; ++i) env.EnvComb[i] = i % 2;
    ProcuraMaximos(env);
    EXPECT_EQ(env.MaxEnvCount, MaxEnvCapacidade);

    // The highest point at two thirds of the height; a fixed window keeps its scale.
    Cena c(EntradaInicial(4));
    CalculaJanela(c.g, c.e, LarguraLarga);
    EXPECT_NEAR(PreparaEnvolvente(c.g, c.e, c.o, AlturaLarga) * c.g.EscalaVert, AlturaLarga / 1.5,
                1e-6);
    c.g.JanelaFixa = c.g.RecalcEscala = true;
    c.g.EscalaVertFixa = 3;
    c.g.ZoomVert = 1.5;
    PreparaEnvolvente(c.g, c.e, c.o, AlturaLarga);
    EXPECT_EQ(c.g.EscalaVert, 4.5);
}

} // namespace
