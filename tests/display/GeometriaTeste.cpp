#include "display/EnvolventeCalc.h"
#include "display/Geometria.h"
#include "run/Simulacao.h"
#include "run/ValoresIniciais.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

const EstadoSpin& Sistema(int N, float intMin = 0.01f) {
    static EstadoSpin estados[2][NProtMax + 1];
    EstadoSpin& e = estados[intMin == 0][N];
    if (e.NProt == 0) {
        EntradaSimulacao in = EntradaInicial(N);
        in.IntMin = intMin;
        EstadoSpin trabalho;
        ObservadorSimulacao nada;
        EXPECT_FALSE(Simula(in, e, trabalho, nada));
    }
    return e;
}

EstadoSpin Bandas(std::initializer_list<std::pair<double, double>> bandas) {
    EstadoSpin e;
    e.NProt = 1;
    e.NBandas = int(bandas.size());
    e.FreqBanda.recria(e.NBandas);
    e.IntBanda.recria(e.NBandas);
    int k = 0;
    for (auto [f, i] : bandas) {
        ++k;
        e.FreqBanda(k) = f;
        e.IntBanda(k) = i;
    }
    return e;
}

TEST(Geometria, JanelaOcupaTresQuartosEAsRegrasDosCincoHz) {
    const EstadoSpin& e = Sistema(3);
    EstadoGrafico g;
    CalculaJanela(g, e, LarguraLarga);
    double fmax = -1e9, fmin = 1e9;
    for (int k = 1; k <= e.NBandas; ++k) {
        fmax = std::max(fmax, e.FreqBanda(k));
        fmin = std::min(fmin, e.FreqBanda(k));
    }
    EXPECT_NEAR(XFreq(g, fmax), LarguraLarga / 8.0, 1e-9);
    EXPECT_NEAR(XFreq(g, fmin), 7 * LarguraLarga / 8.0, 1e-9);

    // Lines within 5 Hz: a fixed 285 twips per Hz, centred.
    const EstadoSpin perto = Bandas({{100, 1}, {103, 1}});
    g.ZoomHoriz = 1.5;
    CalculaJanela(g, perto, LarguraLarga);
    EXPECT_EQ(g.TwPerHz, 285 * 1.5);
    EXPECT_NEAR(XFreq(g, 101.5), LarguraLarga / 2.0, 1e-9);

    // Only negative frequencies: the window still reaches 0 Hz.
    const EstadoSpin negativas = Bandas({{-40, 1}, {-10, 1}});
    g.ZoomHoriz = 1;
    CalculaJanela(g, negativas, LarguraLarga);
    EXPECT_EQ(g.NiInic, 0);

    // A fixed window keeps its axis whatever the bands.
    g.JanelaFixa = true;
    const double ni = g.NiInic, tw = g.TwPerHz;
    CalculaJanela(g, e, LarguraLarga);
    EXPECT_EQ(g.NiInic, ni);
    EXPECT_EQ(g.TwPerHz, tw);
}

TEST(Geometria, ZoomHorizontalMantemOCentro) {
    const EstadoSpin& e = Sistema(3);
    EstadoGrafico g;
    MudaHScroll(g, HScrollNeutro - 700);
    CalculaJanela(g, e, LarguraLarga);
    const float centro = FreqNoPonto(g, LarguraLarga / 2.0);
    for (bool ampliar : {true, true, false, true, false, false, false}) {
        ZoomHorizontal(g, ampliar);
        CalculaJanela(g, e, LarguraLarga);
        EXPECT_NEAR(FreqNoPonto(g, LarguraLarga / 2.0), centro, 1e-3);
    }
    EXPECT_NEAR(g.ZoomHoriz, 1 / 1.5, 1e-12);
    for (int k = 0; k < 10; ++k) ZoomVertical(g, true);
    EXPECT_NEAR(g.ZoomVert, std::pow(1.5, 10), 1e-9);

    Restaura(g);
    EXPECT_EQ(g.ZoomHoriz, 1);
    EXPECT_EQ(g.ZoomVert, 1);
    EXPECT_EQ(g.HScroll1, HScrollNeutro);
    EXPECT_EQ(g.DeslocHoriz, 0);
}

TEST(Geometria, RolagemTrazABandaMarcadaParaDentro) {
    const EstadoSpin& e = Sistema(3);
    EstadoGrafico g;
    g.ZoomHoriz = std::pow(1.5, 6);
    CalculaJanela(g, e, LarguraLarga);
    g.BandaMarcada = g.RolarParaBanda = true;
    g.IndiceMarcado = 1; // the highest frequency: off the left edge at this zoom
    g.FreqMarcada = e.FreqBanda(1);
    ASSERT_LT(XFreq(g, g.FreqMarcada), 0);
    const auto novo = RolagemParaBanda(g, LarguraLarga);
    ASSERT_TRUE(novo);
    MudaHScroll(g, *novo);
    CalculaJanela(g, e, LarguraLarga);
    EXPECT_NEAR(XFreq(g, g.FreqMarcada), 100, 15 * g.ZoomHoriz);
    EXPECT_FALSE(RolagemParaBanda(g, LarguraLarga));
    EXPECT_FALSE(g.RolarParaBanda);
}

TEST(Geometria, RotulosDeProtonsProximos) {
    std::array<double, NProtMax + 1> x{};
    x[1] = 5000, x[2] = 5050, x[3] = 5100, x[4] = 5150, x[5] = 9000;
    auto off = DeslocamentosRotulos(x, 5);
    EXPECT_EQ(off[1], 125);
    EXPECT_EQ(off[2], -125);
    EXPECT_EQ(off[3], 375);
    EXPECT_EQ(off[4], -375);
    EXPECT_EQ(off[5], 0);

    // Two nearly equal shifts: the pair straddles the first marker.
    x[2] = 5010;
    off = DeslocamentosRotulos(x, 2);
    EXPECT_EQ(off[1], 125);
    EXPECT_EQ(off[2], -125);
}

TEST(Geometria, LeituraBandaMaisProximaEFundo) {
    EstadoGrafico g;
    g.NiInic = 300;
    g.LimLeft = 0;
    g.TwPerHz = 15;
    EXPECT_EQ(TextoLeitura(g, 15 * 76.75, ','), "223,2"); // 223.25 is a tie: to even
    const EstadoSpin e = Bandas({{100, 1}, {110, 1}, {90, 1}});
    EXPECT_EQ(BandaMaisProxima(e, 95), 1); // 100 and 90 tie: the first wins
    EXPECT_EQ(BandaMaisProxima(e, 108), 2);
    EXPECT_FALSE(BandaMaisProxima(e, 20000));

    EscolheFundo(g, 7);
    EXPECT_EQ(g.CorProt[0], CinzaCombinacao);
    EXPECT_EQ(g.CorFundo, Rgb(255, 255, 255));
    EscolheFundo(g, 3);
    EXPECT_EQ(g.CorProt[0], Rgb(255, 255, 255));
}

// The envelope exactly as the plain double loop computes it.
void SomasLiterais(Envolvente& env, const EstadoGrafico& g, const EstadoSpin& e) {
    for (int i = 0; i < env.EnvPontos; ++i) {
        env.EnvFreq[i] = g.NiInic - (15.0 * i - g.LimLeft) / g.TwPerHz;
        env.EnvGauss[i] = env.EnvLorentz[i] = 0;
        for (int k = 1; k <= e.NBandas; ++k) {
            const double d = e.FreqBanda(k) - env.EnvFreq[i];
            const double r = d / env.MeiaLargura;
            const double u = r * r; // the square, as pow(x, 2) folds to in Release
            env.EnvGauss[i] += e.IntBanda(k) * std::exp(u * std::log(0.5));
            env.EnvLorentz[i] += e.IntBanda(k) / (1 + u);
        }
    }
}

TEST(Envolvente, SomasIguaisAoLacoLiteral) {
    for (double meia : {0.5, 0.05, 3.0}) {
        const EstadoSpin& e = Sistema(10);
        EstadoGrafico g;
        CalculaJanela(g, e, LarguraLarga);
        Envolvente a, b;
        a.MeiaLargura = b.MeiaLargura = meia;
        CalculaSomas(a, g, e);
        SomasLiterais(b, g, e);
        EXPECT_EQ(std::memcmp(a.EnvGauss.data(), b.EnvGauss.data(), sizeof a.EnvGauss), 0);
        EXPECT_EQ(std::memcmp(a.EnvLorentz.data(), b.EnvLorentz.data(), sizeof a.EnvLorentz), 0);
    }
}

TEST(Envolvente, FormasDeLinhaEMistura) {
    EstadoGrafico g;
    g.NiInic = 100;
    g.TwPerHz = 15; // sample i at 100 - i Hz
    const EstadoSpin e = Bandas({{50, 1}});
    Envolvente& env = g.env;
    env.MeiaLargura = 2;
    CalculaSomas(env, g, e);
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
    Remistura(env, 50);
    EXPECT_DOUBLE_EQ(env.EnvComb[40], (env.EnvGauss[40] + env.EnvLorentz[40]) / 2);
    EXPECT_EQ(TextoMistura(30), "30% Lorentziana + 70% Gaussiana");
    EXPECT_EQ(TextoMisturaInverso(30), "70% Gaussiana + 30% Lorentziana");
}

TEST(Envolvente, MaximosPlatoEBordas) {
    Envolvente env;
    env.EnvPontos = 8;
    const double v[] = {5, 1, 2, 2, 2, 1, 3, 0};
    for (int i = 0; i < 8; ++i) env.EnvComb[i] = v[i];
    EXPECT_EQ(ProcuraMaximos(env), 5);
    ASSERT_EQ(env.MaxEnvCount, 2);
    EXPECT_EQ(env.MaxEnvPos[1], 4); // the plateau's last sample; the ends never count
    EXPECT_EQ(env.MaxEnvPos[2], 6);

    env.EnvPontos = 1001;
    for (int i = 0; i < 1001; ++i) env.EnvComb[i] = i % 2;
    ProcuraMaximos(env);
    EXPECT_EQ(env.MaxEnvCount, MaxEnvCapacidade);
}

TEST(Envolvente, CacheEEscala) {
    const EstadoSpin& e = Sistema(4);
    EstadoGrafico g;
    OpcoesGrafico o;
    CalculaJanela(g, e, LarguraLarga);
    const double maior = PreparaEnvolvente(g, e, o, AlturaLarga);
    EXPECT_TRUE(g.env.EnvValida);
    EXPECT_FALSE(g.RecalcEscala);
    EXPECT_NEAR(maior * g.EscalaVert, AlturaLarga / 1.5, 1e-6);

    // The slider only remixes: the sums stay, the scale stays.
    const auto gauss = g.env.EnvGauss;
    const double escala = g.EscalaVert;
    o.Slider4 = 90;
    g.env.MisturaMudou = true;
    PreparaEnvolvente(g, e, o, AlturaLarga);
    EXPECT_EQ(gauss, g.env.EnvGauss);
    EXPECT_EQ(g.EscalaVert, escala);
    EXPECT_EQ(g.env.FracGauss, 1 - 0.9);

    // A fixed window keeps its scale through any recomputation.
    g.JanelaFixa = true;
    g.EscalaVertFixa = 3;
    g.ZoomVert = 1.5;
    g.RecalcEscala = true;
    g.env.EnvValida = false;
    PreparaEnvolvente(g, e, o, AlturaLarga);
    EXPECT_EQ(g.EscalaVert, 4.5);
    EXPECT_TRUE(g.RecalcEscala);
}

} // namespace
