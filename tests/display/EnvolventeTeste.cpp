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

// Only the run of samples around each band gets a Gaussian term: narrow and
// wide lines at several samples per column on a plot wide enough for two
// cores, bands beyond the window's edges and samples in no order must all
// give the literal sums.
TEST(Envolvente, SomasIguaisAoLacoLiteral) {
    Cena c(EntradaInicial(6));
    CalculaJanela(c.g, c.e, 15 * 1900);
    for (const double meia : {0.02, 40.0}) {
        Envolvente a;
        a.EnvPontos = 1900;
        a.MeiaLargura = meia;
        AmostraVista(a, c.g, c.e, 5);
        ConfereSomas(a, c.e);
    }
    EstadoGrafico perto = c.g;
    perto.TwPerHz *= 25;
    perto.NiInic -= 40;
    Envolvente a;
    AmostraVista(a, perto, c.e, 3);
    ConfereSomas(a, c.e);
    a.Dimensiona(64);
    for (int i = 0; i < a.Amostras(); ++i) a.EnvFreq[i] = c.e.FreqBanda(1 + (i * 37) % c.e.NBandas);
    CalculaSomas(a, c.e);
    ConfereSomas(a, c.e);
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
    }
    Remistura(env, 0);
    EXPECT_EQ(env.EnvComb[40], env.EnvGauss[40]);
    Remistura(env, 100);
    EXPECT_EQ(env.EnvComb[40], env.EnvLorentz[40]);

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

// The width box holds the whole width at half height, in either form.
TEST(Envolvente, LarguraDaCaixaEAInteiraAMeiaAltura) {
    for (const char* largura : {"1", "1,0"}) {
        Cena c(EntradaInicial(1));
        c.o.TextoLargura = largura;
        CalculaJanela(c.g, c.e, LarguraLarga);
        PreparaEnvolvente(c.g, c.e, c.o, AlturaLarga);
        EXPECT_EQ(c.g.env.MeiaLargura, 0.5) << largura;
    }
}

// The envelope is sampled again for each view: at every zoom step it covers
// the view and its maxima sit on both doublets of doublets (14.36/6.8 Hz and
// 14.36/1.9 Hz), on the scale of the whole spectrum.
TEST(Envolvente, MaximosSobreAsLinhasEmCadaZoom) {
    EntradaSimulacao in{
        .NProt = 3, .MHz = 400, .Desloc = {2589.92, 1668, 1588}, .J = {14.36, 6.8, 1.9}};
    Cena c(in);
    std::vector<double> linhas[2];
    for (int k = 1; k <= c.e.NBandas; ++k)
        if (c.e.ProtBanda(k) <= 2) linhas[c.e.ProtBanda(k) - 1].push_back(c.e.FreqBanda(k));
    for (int colunas : {PontosCompacto, 2560}) {
        const int SW = 15 * colunas;
        c.g.env.EnvPontos = colunas;
        InvalidaEnvolvente(c.g);
        Restaura(c.g);
        CalculaJanela(c.g, c.e, SW);
        PreparaEnvolvente(c.g, c.e, c.o, AlturaLarga);
        const double escala = c.g.EscalaVertBase;
        for (int passos : {0, 4, 10})
            for (std::vector<double>& l : linhas) {
                std::sort(l.rbegin(), l.rend());
                SCOPED_TRACE(testing::Message()
                             << colunas << " colunas, " << passos << " zooms, " << l[0]);
                ASSERT_EQ(l.size(), 4u);
                Restaura(c.g);
                for (int i = 0; i < passos; ++i) ZoomHorizontal(c.g, true);
                CalculaJanela(c.g, c.e, SW);
                c.g.DeslocHoriz += SW / 2.0 - XFreq(c.g, (l[1] + l[2]) / 2);
                CalculaJanela(c.g, c.e, SW);
                PreparaEnvolvente(c.g, c.e, c.o, AlturaLarga);
                EXPECT_EQ(c.g.EscalaVertBase, escala);
                const Envolvente& env = c.g.env;
                EXPECT_NEAR(env.EnvFreq.front(), FreqNoPonto(c.g, 0), 1e-3);
                std::vector<double> m;
                for (int k = 1; k <= env.MaxEnvCount; ++k)
                    if (std::fabs(env.MaxEnvFreq[k] - (l[0] + l[3]) / 2) < (l[0] - l[3]) / 2 + 3)
                        m.push_back(env.MaxEnvFreq[k]);
                ASSERT_EQ(m.size(), 4u) << testing::PrintToString(m);
                for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(m[i], l[i], 0.05);
            }
    }
}

} // namespace
