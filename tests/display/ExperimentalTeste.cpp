// The measured spectrum under the simulated one: where it lands, how tall,
// and that it follows the plot and shows in the copies.
#include "DesenhoAux.h"

#include "display/Experimental.h"

#include <algorithm>
#include <cmath>
#include <memory>

using namespace aux;

namespace {

constexpr Cor AzulAco = 0x4682b4;

// A Lorentzian line at `ppm`, 4 001 points from 4 to -1 ppm, with a smaller
// one far outside the plot that must not set the scale.
std::shared_ptr<EspectroExperimental> Medido(double ppm) {
    auto x = std::make_shared<EspectroExperimental>();
    x->MHz = 100;
    x->CasasMHz = 3;
    for (int k = 0; k <= 4000; ++k) {
        const double p = 4 - k * 0.00125;
        x->Ppm.push_back(p);
        const double d = (p - ppm) * 100, fora = (p + 0.5) * 100;
        x->Intensidade.push_back(5 / (1 + d * d) + 50 / (1 + fora * fora));
    }
    return x;
}

// Shifts in Hz at 100 MHz, no couplings, with this measured spectrum under them.
Cena ComMedido(std::vector<double> desloc, std::shared_ptr<const EspectroExperimental> x) {
    const int n = int(desloc.size());
    Cena c({.NProt = n, .MHz = 100, .Desloc = desloc, .J = std::vector<double>(n * (n - 1) / 2)});
    c.g.Experimental = {std::move(x), "medido.jdx"};
    return c;
}

std::vector<ColunaExperimental> Colunas(const Cena& c) {
    return ColunasExperimental(c.g, c.e, LarguraLarga, AlturaLarga);
}

// The column whose top is highest on screen.
ColunaExperimental MaisAlta(const Cena& c) {
    const auto k = Colunas(c);
    EXPECT_FALSE(k.empty());
    if (k.empty()) return {};
    return *std::min_element(k.begin(), k.end(),
                             [](const auto& a, const auto& b) { return a.yMin < b.yMin; });
}

double MaiorEnvolvente(const Cena& c) {
    return *std::max_element(c.g.env.EnvComb.begin(), c.g.env.EnvComb.end());
}

// Zoomed in `passos` times with `centro` Hz in the middle of the view.
void Centra(Cena& c, int passos, double centro) {
    Restaura(c.g);
    for (int i = 0; i < passos; ++i) ZoomHorizontal(c.g, true);
    CalculaJanela(c.g, c.e, LarguraLarga);
    MudaRolagem(c.g,
                int(RolagemNeutra - (LarguraLarga / 2.0 - XFreq(c.g, centro)) / c.g.ZoomHoriz));
    c.Tela();
    ASSERT_GT(XFreq(c.g, 130), LarguraLarga);
}

// One proton at 130 Hz, 100 MHz: its line and the measured one at 1.30 ppm,
// as tall as the envelope; zoomed and scrolled, it moves with the axis;
// without the envelope it reaches the stick. The reference shift moves every
// measured point by that many ppm.
TEST(Experimental, PicoNoLugarEDaAlturaDaEnvolvente) {
    Cena c = ComMedido({130}, Medido(1.30));
    c.Tela();
    EXPECT_NEAR(MaisAlta(c).x, XFreq(c.g, 130) / 15, 1);
    EXPECT_NEAR(MaisAlta(c).yMin, YInt(c.g, MaiorEnvolvente(c)) / 15, 1e-9);
    ZoomHorizontal(c.g, true);
    MudaRolagem(c.g, RolagemNeutra + 300);
    c.g.env.EnvolventeLigada = false;
    c.g.RecalcEscala = true;
    c.Tela();
    EXPECT_NEAR(MaisAlta(c).x, XFreq(c.g, 130) / 15, 1);
    EXPECT_NEAR(MaisAlta(c).yMin, YInt(c.g, c.e.IntBanda(1)) / 15, 1e-9);

    Cena r = ComMedido({130}, Medido(1.10));
    r.Tela();
    EXPECT_NEAR(MaisAlta(r).x, XFreq(r.g, 110) / 15, 1);
    r.g.Experimental.ReferenciaPpm = 0.2;
    EXPECT_NEAR(MaisAlta(r).x, XFreq(r.g, 130) / 15, 1);
}

// Zoomed onto a simulated line the measured spectrum lacks, noise of a
// tenth of a percent of the line stays as small as it is at the whole
// spectrum's scale instead of growing into a line; a view whose points all
// lie below zero (2.8 to 2.2 ppm) still shows them.
TEST(Experimental, RuidoNaoViraLinha) {
    auto x = Medido(1.30);
    unsigned semente = 12345;
    for (std::size_t k = 0; k < x->Ppm.size(); ++k) {
        semente = semente * 1103515245u + 12345u;
        x->Intensidade[k] += 0.005 * (double((semente >> 16) & 0x7fff) / 0x7fff - 0.5);
        if (x->Ppm[k] < 2.8 && x->Ppm[k] > 2.2) x->Intensidade[k] -= 0.05;
    }
    Cena c = ComMedido({130, 300}, x);
    c.Tela();
    const double alturaPico = YInt(c.g, 0) / 15 - MaisAlta(c).yMin;
    for (double centro : {300.0, 250.0}) {
        SCOPED_TRACE(centro);
        Centra(c, 4, centro);
        const auto colunas = Colunas(c);
        ASSERT_GT(colunas.size(), 100u);
        for (const auto& k : colunas) {
            EXPECT_LT(std::fabs(YInt(c.g, 0) / 15 - k.yMin), alturaPico / 10) << k.x;
            if (centro == 250.0) {
                EXPECT_GT(k.yMax, YInt(c.g, 0) / 15) << "below the baseline";
            }
        }
    }
}

// The export (its file: formatos/) is the whole spectrum whatever the view: every band with
// twenty widths either side at eight points a width or more; under a
// measured spectrum, that spectrum's own range and grid, unless it is a
// list of peaks.
TEST(Experimental, ExportaOEspectroInteiro) {
    Cena c({.NProt = 2, .MHz = 100, .Desloc = {130, 300}, .J = {7}});
    c.o.TextoLargura = "0,5";
    for (int i = 0; i < 5; ++i) ZoomHorizontal(c.g, true);
    c.Tela();
    const ExportacaoJcamp x = ExportacaoDoEspectro(c.g, c.e, c.o);
    ASSERT_GE(x.Envolvente.size(), PontosMinimosExportacao);
    EXPECT_LE((x.PrimeiroHz - x.UltimoHz) / double(x.Envolvente.size() - 1), 0.5 / 8 + 1e-9);
    for (int k = 1; k <= c.e.NBandas; ++k) {
        EXPECT_GE(x.PrimeiroHz, c.e.FreqBanda(k) + 20 * 0.5 - 1e-6);
        EXPECT_LE(x.UltimoHz, c.e.FreqBanda(k) - 20 * 0.5 + 1e-6);
    }
    const auto medido = Medido(1.30);
    c.g.Experimental = {medido, "medido.jdx"};
    const ExportacaoJcamp sob = ExportacaoDoEspectro(c.g, c.e, c.o);
    ASSERT_EQ(sob.Envolvente.size(), medido->Ppm.size());
    EXPECT_NEAR(sob.PrimeiroHz, medido->Ppm.front() * 100, 1e-6);
    EXPECT_NEAR(sob.UltimoHz, medido->Ppm.back() * 100, 1e-6);
    medido->Picos = true;
    EXPECT_EQ(ExportacaoDoEspectro(c.g, c.e, c.o).Envolvente.size(), PontosMinimosExportacao);
}

// A file of peaks: each one a stick from the baseline, the tallest as tall as
// the envelope even when they are all alike, nothing drawn between them. A
// column of a trace holds every point that falls in it, not only its top.
TEST(Experimental, PicosEmPalitosEColunasInteiras) {
    auto x = std::make_shared<EspectroExperimental>();
    x->MHz = 100;
    x->Picos = true;
    x->Ppm = {1.45, 1.30, 1.15};
    x->Intensidade = {3, 3, 3};
    Cena c = ComMedido({130}, x);
    const QImage im = c.Tela();
    const auto colunas = Colunas(c);
    ASSERT_EQ(colunas.size(), 3u);
    for (const auto& k : colunas) {
        EXPECT_DOUBLE_EQ(k.yMax, YInt(c.g, 0) / 15) << k.x;
        EXPECT_NEAR(k.yMin, YInt(c.g, MaiorEnvolvente(c)) / 15, 1e-9) << k.x;
    }
    EXPECT_NEAR(colunas[1].x, XFreq(c.g, 130) / 15, 1);
    const int topo = int(colunas[0].yMin), base = int(colunas[0].yMax);
    EXPECT_GT(Conta(im, AzulAco, QRect(colunas[0].x - 1, topo, 3, base - topo)), (base - topo) / 2);
    EXPECT_EQ(
        Conta(im, AzulAco,
              QRect(colunas[0].x + 3, topo, colunas[1].x - colunas[0].x - 6, base - topo - 3)),
        0);

    // A tall and a low point one pixel column apart paint the span between.
    x->Picos = false;
    x->Ppm = {1.3001, 1.3, 1.2999};
    x->Intensidade = {0.1, 5, 0.1};
    const QImage coluna = c.Tela();
    ASSERT_EQ(Colunas(c).size(), 1u);
    const ColunaExperimental k = Colunas(c)[0];
    const int altura = int(k.yMax - k.yMin) - 4;
    ASSERT_GT(altura, 100);
    EXPECT_GT(Conta(coluna, AzulAco, QRect(k.x - 1, int(k.yMin) + 2, 3, altura)), altura * 9 / 10);
}

// Its own colour on screen, grey in black and white, named in the copy;
// out of view, nothing.
TEST(Experimental, NaTelaENasCopias) {
    Cena c = ComMedido({130}, Medido(1.30));
    EXPECT_GT(Conta(c.Tela(), AzulAco), 50);
    EXPECT_GT(Conta(c.Png(true), 0x969696), 50);
    EXPECT_TRUE(c.Svg().contains("Espectro experimental: medido.jdx (100,000 MHz)<"));
    auto longe = Medido(1.30);
    for (double& p : longe->Ppm) p += 20;
    c.g.Experimental = {longe, "longe.jdx"};
    EXPECT_EQ(Conta(c.Tela(), AzulAco), 0);
}

// The fit's regions shaded behind the spectrum; the applied fit's residual,
// one trace per region, under a baseline raised to make room for it, with
// its RMS in the copy.
TEST(Experimental, RegioesEResiduoDoAjuste) {
    Cena c = ComMedido({130}, Medido(1.30));
    AjusteNoGrafico& a = c.g.Experimental.ajuste;
    a.Regioes = {{1.20, 1.40}};
    const QImage im = c.Tela();
    EXPECT_EQ(Conta(im, 0xfff8c8, QRect(Px(XFreq(c.g, 125)), 5, 1, 20)), 20);
    EXPECT_EQ(Conta(im, 0xfff8c8, QRect(Px(XFreq(c.g, 100)), 5, 1, 20)), 0);

    // A residual equal to the measured points, at the measured trace's scale.
    const int baseSem = c.g.LinhaBase;
    const EspectroExperimental& x = *c.g.Experimental.espectro;
    for (std::size_t k = 0; k < x.Ppm.size(); ++k)
        if ((x.Ppm[k] > 1.25 && x.Ppm[k] < 1.35) || (x.Ppm[k] > 1.36 && x.Ppm[k] < 1.40)) {
            a.PpmResiduo.push_back(x.Ppm[k]);
            a.Residuo.push_back(x.Intensidade[k]);
        }
    a.RmsPorcento = 1.234;
    const QImage com = c.Tela();
    EXPECT_LT(c.g.LinhaBase, baseSem);
    const auto tracos = TracosDoResiduo(c.g, c.e, LarguraLarga, AlturaLarga, 3000);
    ASSERT_EQ(tracos.size(), 2u);
    const auto topo = std::min_element(tracos[1].begin(), tracos[1].end(),
                                       [](const auto& p, const auto& q) { return p.y < q.y; });
    EXPECT_NEAR(3000 / 15 - topo->y, YInt(c.g, 0) / 15 - MaisAlta(c).yMin, 1e-9);
    EXPECT_GT(Conta(com, 0xc83c00, QRect(0, Px(c.g.LinhaBase) + 1, com.width(), com.height())), 50);
    EXPECT_TRUE(c.Svg().contains("Resíduo do ajuste: RMS 1,23 %"));
}

} // namespace
