// What Grafico puts on the screen plot, checked pixel by pixel.
#include "DesenhoAux.h"

#include "display/EnvolventeCalc.h"
#include "display/Figura.h"

#include <algorithm>
#include <set>

using namespace aux;

namespace {

constexpr Cor Preto = Rgb(0, 0, 0), Branco = Rgb(255, 255, 255), Azul = Rgb(0, 0, 255);
constexpr Cor Vermelho = Rgb(255, 0, 0), Verde = Rgb(0, 128, 0);
constexpr Cor Laranja = Rgb(255, 192, 128);

struct Cena {
    EstadoSpin e;
    EstadoGrafico g;
    OpcoesGrafico o;
    explicit Cena(const EntradaSimulacao& in) : e(Calcula(in)) { Restaura(g); }
};

// Bands alone in their pixel column, so that nothing else is drawn over them.
std::vector<int> BandasIsoladas(const EstadoGrafico& g, const EstadoSpin& e) {
    std::multiset<int> colunas;
    for (int k = 1; k <= e.NBandas; ++k) colunas.insert(Px(XFreq(g, e.FreqBanda(k))));
    std::vector<int> r;
    for (int k = 1; k <= e.NBandas; ++k)
        if (colunas.count(Px(XFreq(g, e.FreqBanda(k)))) == 1) r.push_back(k);
    return r;
}

// The pixels of band k's stick, between its top and the baseline.
QRect Palito(const EstadoGrafico& g, const EstadoSpin& e, int k) {
    const int x = Px(XFreq(g, e.FreqBanda(k)));
    const int topo = Px(YInt(g, e.IntBanda(k)));
    return QRect(QPoint(x, topo + 1), QPoint(x, Px(g.LinhaBase) - 1));
}

int Combinacao(const EstadoSpin& e) {
    for (int k = 1; k <= e.NBandas; ++k)
        if (e.ProtBanda(k) == 0) return k;
    return 0;
}

TEST(Grafico, EspectroInicialPalitosEnvolventeMarcasEProtons) {
    Cena c(Sistema(3));
    std::optional<int> rolagem = 99;
    const QImage im = Tela(c.g, c.e, c.o, &rolagem);
    EXPECT_FALSE(rolagem);
    EXPECT_EQ(c.g.LinhaBase, 5796);

    // The highest band at an eighth of the width, the lowest at seven eighths.
    double fmax = -1e9, fmin = 1e9;
    for (int k = 1; k <= c.e.NBandas; ++k) {
        fmax = std::max(fmax, c.e.FreqBanda(k));
        fmin = std::min(fmin, c.e.FreqBanda(k));
    }
    EXPECT_EQ(Px(XFreq(c.g, fmax)), Px(LarguraLarga / 8.0));
    EXPECT_EQ(Px(XFreq(c.g, fmin)), Px(7 * LarguraLarga / 8.0));

    const auto isoladas = BandasIsoladas(c.g, c.e);
    ASSERT_GE(isoladas.size(), 8u);
    for (int k : isoladas) {
        const int p = c.e.ProtBanda(k);
        const Cor cor = p == 0 ? Branco : c.g.CorProt[std::size_t(p)];
        const QRect r = Palito(c.g, c.e, k);
        EXPECT_EQ(Conta(im, r, cor), r.height()) << "banda " << k;
    }

    // Each maximum: the envelope passes through its sample in black, a blue
    // tick stands above it and a blue label above the tick.
    const Envolvente& env = c.g.env;
    ASSERT_EQ(env.MaxEnvCount, 9);
    for (int m = 1; m <= env.MaxEnvCount; ++m) {
        const int i = env.MaxEnvPos[std::size_t(m)];
        const int x = Px(XFreq(c.g, env.EnvFreq[std::size_t(i)]));
        const int y = Px(YInt(c.g, env.EnvComb[std::size_t(i)]));
        // (a stick may stand taller than the sample next to it)
        EXPECT_GE(Conta(im, QRect(QPoint(x - 3, y), QPoint(x + 3, y + 12)), Preto), 6) << m;
        EXPECT_GE(Conta(im, QRect(QPoint(x, y - 14), QPoint(x, y - 5)), Azul), 9) << m;
        EXPECT_GT(Azulados(im, QRect(QPoint(x - 6, y - 60), QPoint(x + 6, y - 18))), 10) << m;
    }

    // Proton markers: tick and drop in the proton's colour, the label below.
    const int base = Px(c.g.LinhaBase);
    for (int i = 1; i <= 3; ++i) {
        const int x = Px(XFreq(c.g, c.e.FreqProt(i) - c.e.FreqEspHz));
        const Cor cor = c.g.CorProt[std::size_t(i)];
        EXPECT_EQ(Conta(im, QRect(x, base + 1, 1, 9), cor), 9) << "H" << i;
        EXPECT_GT(Conta(im, QRect(x - 7, base + 10, 16, 12), cor), 5) << "H" << i;
    }
    // The baseline through the whole width, and the screen's centre line.
    EXPECT_EQ(Conta(im, QRect(0, base, im.width(), 1), Preto), im.width());
    EXPECT_GT(Conta(im, QRect(482, 0, 1, base), Laranja), 300);
}

TEST(Grafico, SemCoresBrancoEPretoEFiltro) {
    Cena c(Sistema(3));
    const QImage colorido = Tela(c.g, c.e, c.o);
    EXPECT_GT(Conta(colorido, Vermelho), 50);
    EXPECT_GT(Conta(colorido, Verde), 50);

    c.o.Colorido = false;
    const QImage semCores = Tela(c.g, c.e, c.o);
    EXPECT_EQ(Conta(semCores, Vermelho), 0);
    EXPECT_EQ(Conta(semCores, Verde), 0);
    EXPECT_EQ(Conta(semCores, Branco), 0); // combination bands too
    for (int k : BandasIsoladas(c.g, c.e)) {
        const QRect r = Palito(c.g, c.e, k);
        EXPECT_EQ(Conta(semCores, r, Preto), r.height()) << "banda " << k;
    }
    c.o.Colorido = true;

    // A black-and-white copy has no colour at all, peak labels included.
    EXPECT_EQ(Coloridos(DesenhoPng(c.g, c.e, c.o, LarguraLarga, AlturaLarga, true)), 0);
    const QImage copia = DesenhoPng(c.g, c.e, c.o, LarguraLarga, AlturaLarga, false);
    EXPECT_GT(Conta(copia, Vermelho), 50);
    EXPECT_GT(Conta(copia, Azul), 50);

    // Filtering on proton 2: above the baseline only its sticks keep a
    // colour; the combination band goes as well.
    const QRect acima(0, 0, colorido.width(), Px(c.g.LinhaBase));
    EXPECT_GT(Conta(colorido, acima, Branco), 0);
    c.g.FiltroAtivo = true;
    c.g.ProtFiltro = 2;
    const QImage filtrado = Tela(c.g, c.e, c.o);
    EXPECT_GT(Conta(filtrado, acima, Vermelho), 50);
    EXPECT_EQ(Conta(filtrado, acima, Verde), 0);
    EXPECT_EQ(Conta(filtrado, acima, Branco), 0);
    // The markers of every proton stay.
    EXPECT_GT(Conta(filtrado, Verde), 10);

    c.g.HistogramaOculto = true;
    c.g.FiltroAtivo = false;
    const QImage semPalitos = Tela(c.g, c.e, c.o);
    EXPECT_EQ(Conta(semPalitos, acima, Vermelho), 0);
    EXPECT_EQ(Conta(semPalitos, acima, Verde), 0);
}

TEST(Grafico, BandasDeCombinacaoBrancasOuCinza) {
    Cena c(Sistema(3));
    const int k = Combinacao(c.e);
    ASSERT_GT(k, 0);
    // The one combination band is weak: no envelope, and magnified.
    c.g.env.EnvolventeLigada = false;
    c.g.ZoomVert = 4;
    Tela(c.g, c.e, c.o);
    const QRect r = Palito(c.g, c.e, k);
    ASSERT_GE(r.height(), 3);
    const Cor cinza = CinzaCombinacao;

    EXPECT_EQ(Conta(Tela(c.g, c.e, c.o), r, Branco), r.height());
    c.g.Visualizando = true; // the preview is white
    EXPECT_EQ(Conta(Tela(c.g, c.e, c.o), r, cinza), r.height());
    c.g.Visualizando = false;
    // The copy is grey whatever the screen's background.
    QImage copia = DesenhoPng(c.g, c.e, c.o, LarguraLarga, AlturaLarga, false);
    EXPECT_EQ(Conta(copia, r, cinza), r.height());
    EscolheFundo(c.g, 7);
    EXPECT_EQ(Conta(Tela(c.g, c.e, c.o), r, cinza), r.height());
    EscolheFundo(c.g, 2);
    EXPECT_EQ(Conta(Tela(c.g, c.e, c.o), r, Branco), r.height());
}

TEST(Grafico, CentroEBandaMarcadaSoNaTela) {
    Cena c(Sistema(3));
    c.g.env.EnvolventeLigada = false;
    Tela(c.g, c.e, c.o);
    const int k = 1;
    c.g.BandaMarcada = true;
    c.g.RolarParaBanda = true;
    c.g.IndiceMarcado = k;
    c.g.FreqMarcada = c.e.FreqBanda(k);
    std::optional<int> rolagem = 99;
    const QImage tela = Tela(c.g, c.e, c.o, &rolagem);
    EXPECT_FALSE(rolagem);
    EXPECT_FALSE(c.g.RolarParaBanda);

    const double topo = YInt(c.g, c.e.IntBanda(k));
    const int x = Px(XFreq(c.g, c.e.FreqBanda(k)));
    const QRect haste(QPoint(x, Px(topo - 1000) + 1), QPoint(x, Px(topo - 200) - 1));
    const QRect farpas(QPoint(x - 4, Px(topo - 350)), QPoint(x + 4, Px(topo - 200) - 1));
    EXPECT_EQ(Conta(tela, haste, Preto), haste.height());
    EXPECT_GT(Conta(tela, farpas, Preto), haste.height() / 4 + 8);

    const QImage copia = DesenhoPng(c.g, c.e, c.o, LarguraLarga, AlturaLarga, false);
    EXPECT_EQ(Conta(copia, haste, Preto), 0);
    EXPECT_EQ(Conta(copia, farpas, Preto), 0);
    EXPECT_EQ(Conta(copia, Laranja), 0);
    const QByteArray svg = DesenhoSvg(c.g, c.e, c.o, LarguraLarga, AlturaLarga, false);
    EXPECT_FALSE(svg.contains("#ffc080"));

    c.g.Visualizando = true; // no mark in the preview either
    EXPECT_EQ(Conta(Tela(c.g, c.e, c.o), haste, Preto), 0);
    c.g.Visualizando = false;

    // Out of view: the scroll value that brings it in, and the mark is kept.
    c.g.ZoomHoriz = 8;
    c.g.RolarParaBanda = true;
    Tela(c.g, c.e, c.o, &rolagem);
    ASSERT_TRUE(rolagem);
    EXPECT_LT(*rolagem, HScrollNeutro);
    EXPECT_TRUE(c.g.RolarParaBanda);
}

TEST(Grafico, ComparacaoDesenhaAsTresCurvasEAMeiaAltura) {
    EntradaSimulacao in = Sistema(1);
    Cena c(in);
    c.o.CompararCurvas = true;
    c.g.ZoomHoriz = 11.390625;
    const QImage im = DesenhoPng(c.g, c.e, c.o, LarguraLarga, AlturaLarga, false);
    EXPECT_GT(Conta(im, Rgb(0, 255, 0)), 300);
    EXPECT_GT(Conta(im, Vermelho), 300);
    // Legend segments at the top left.
    EXPECT_GE(Conta(im, QRect(13, 27, 14, 1), Rgb(0, 255, 0)), 13);
    EXPECT_GE(Conta(im, QRect(13, 40, 14, 1), Vermelho), 13);
    EXPECT_GE(Conta(im, QRect(13, 53, 14, 1), Preto), 13);

    // Half height: an 800-pixel line across, and the verticals one half
    // width either side of the band, where the curves cross.
    ASSERT_EQ(c.g.env.MaxEnvCount, 1);
    const int i = c.g.env.MaxEnvPos[1];
    const double x = XFreq(c.g, c.e.FreqBanda(1)) / 15;
    const int yh = Px(YInt(c.g, c.g.env.EnvComb[std::size_t(i)] / 2));
    EXPECT_GT(Conta(im, QRect(0, yh, im.width(), 1), Azul), 700);
    const double w = c.g.TwPerHz * c.g.env.MeiaLargura / 15;
    for (double xv : {x - w, x + w}) {
        const int col = int(std::nearbyint(xv));
        EXPECT_GT(Conta(im, QRect(col, yh, 1, Px(c.g.LinhaBase) - yh), Azul), 60);
    }
}

TEST(Grafico, MarcaDaguaDePrimeiraOrdem) {
    Cena c(Sistema(3));
    const Cor cinza = Rgb(210, 210, 210);
    EXPECT_EQ(Conta(Tela(c.g, c.e, c.o), cinza), 0);
    EntradaSimulacao in = Sistema(3);
    in.PrimOrdem = true;
    Cena p(in);
    EXPECT_GT(Conta(Tela(p.g, p.e, p.o), cinza), 500);
    const QImage copia = DesenhoPng(p.g, p.e, p.o, LarguraLarga, AlturaLarga, false);
    EXPECT_EQ(copia.size(), QSize(963, 463));
    EXPECT_GT(Conta(copia, cinza), 500);
    EXPECT_TRUE(DesenhoSvg(p.g, p.e, p.o, LarguraLarga, AlturaLarga, false)
                    .contains(">Espectro de Primeira Ordem!</text>"));
}

TEST(Grafico, NumerosGrandesSoNaVisualizacaoENaCopia) {
    Cena c(Sistema(3));
    const QImage normal = Tela(c.g, c.e, c.o);
    c.o.NumerosGrandes = true;
    EXPECT_EQ(Tela(c.g, c.e, c.o), normal);

    // The labels are written upwards: their width on the plot is the
    // font's height.
    auto largura = [&](const QImage& im) {
        const int i = c.g.env.MaxEnvPos[1];
        const int x = Px(XFreq(c.g, c.g.env.EnvFreq[std::size_t(i)]));
        const int y = Px(YInt(c.g, c.g.env.EnvComb[std::size_t(i)]));
        int esq = x, dir = x;
        for (int col = x - 12; col <= x + 12; ++col)
            if (Azulados(im, QRect(col, y - 60, 1, 40)) > 0) {
                esq = std::min(esq, col);
                dir = std::max(dir, col);
            }
        return dir - esq + 1;
    };
    c.g.Visualizando = true;
    const QImage grande = Tela(c.g, c.e, c.o);
    c.o.NumerosGrandes = false;
    const QImage pequeno = Tela(c.g, c.e, c.o);
    EXPECT_GE(largura(grande), largura(pequeno) + 3);
    EXPECT_EQ(largura(pequeno), largura(normal));
    c.g.Visualizando = false;
    const char* grandes = "font-family=\"Arial\" font-size=\"16\" font-weight=\"400\"";
    EXPECT_FALSE(DesenhoSvg(c.g, c.e, c.o, LarguraLarga, AlturaLarga, false).contains(grandes));
    c.o.NumerosGrandes = true;
    EXPECT_TRUE(DesenhoSvg(c.g, c.e, c.o, LarguraLarga, AlturaLarga, false).contains(grandes));
}

TEST(Grafico, RotulosDeProtonsProximosComDegrau) {
    EntradaSimulacao in = Sistema(3);
    in.Desloc = {300, 200, 200.1};
    in.J = {0, 0, 0};
    Cena c(in);
    const QImage im = Tela(c.g, c.e, c.o);
    const double lb = c.g.LinhaBase;
    const double x2 = XFreq(c.g, 200), x3 = XFreq(c.g, 200.1);
    // Proton 2 leads the group: its label moves right by 125 twips, proton
    // 3's left by 125. The ticks and the jog are black, the drops coloured.
    EXPECT_EQ(Conta(im, QRect(Px(x2), Px(lb) + 1, 1, 2), Preto), 2);
    EXPECT_EQ(Conta(im, QRect(Px(x2 + 125), Px(lb + 50) + 1, 1, 5), Vermelho), 5);
    EXPECT_EQ(Conta(im, QRect(Px(x3 - 125), Px(lb + 50) + 1, 1, 5), Verde), 5);
    const int jog = Px(lb + 50);
    EXPECT_GE(Conta(im, QRect(Px(x3 - 125), jog, Px(x2 + 125) - Px(x3 - 125), 1), Preto), 14);
}

TEST(Grafico, SemProtonsNaoDesenha) {
    EstadoSpin vazio;
    EstadoGrafico g;
    OpcoesGrafico o;
    QImage im(100, 50, QImage::Format_RGB32);
    im.fill(Qt::white);
    const QImage antes = im;
    QPainter p(&im);
    EXPECT_FALSE(Grafico(Superficie{p, true, LarguraLarga, AlturaLarga}, g, vazio, o));
    p.end();
    EXPECT_EQ(im, antes);
}

} // namespace
