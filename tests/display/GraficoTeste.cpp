// What Grafico puts on the screen plot and on copies, checked pixel by pixel.
#include "DesenhoAux.h"

#include "formatos/ArquivoDados.h"
#include "formatos/Exemplos.h"
#include "formatos/SessaoArquivo.h"
#include "texto/TextoDecimal.h"

#include <QCoreApplication>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

using namespace aux;

namespace {

constexpr Cor Preto = 0x000000, Branco = 0xffffff, Azul = 0x0000ff, Vermelho = 0xff0000,
              Verde = 0x008000, Laranja = 0xffc080;

// The pixels of band k's stick, between its top and the baseline.
QRect Palito(const EstadoGrafico& g, const EstadoSpin& e, int k) {
    const int x = Px(XFreq(g, e.FreqBanda(k)));
    return QRect(QPoint(x, Px(YInt(g, e.IntBanda(k))) + 1), QPoint(x, Px(g.LinhaBase) - 1));
}

// Bands alone in their pixel column, so that no other stick is drawn over them.
std::vector<int> BandasIsoladas(const EstadoGrafico& g, const EstadoSpin& e) {
    std::multiset<int> colunas;
    for (int k = 1; k <= e.NBandas; ++k) colunas.insert(Px(XFreq(g, e.FreqBanda(k))));
    std::vector<int> r;
    for (int k = 1; k <= e.NBandas; ++k)
        if (colunas.count(Px(XFreq(g, e.FreqBanda(k)))) == 1) r.push_back(k);
    return r;
}

bool Colorido(QRgb p) {
    return qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
}

int Coloridos(const QImage& im) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) n += Colorido(im.pixel(x, y));
    return n;
}

// Each isolated stick in its proton's colour (or black) from top to baseline.
void ConfereSticks(const QImage& im, const Cena& c, bool cores) {
    const auto isoladas = BandasIsoladas(c.g, c.e);
    ASSERT_GE(isoladas.size(), 8u);
    for (int k : isoladas) {
        const int p = c.e.ProtBanda(k);
        const Cor cor = !cores ? Preto : p == 0 ? Branco : c.g.CorProt[std::size_t(p)];
        const QRect r = Palito(c.g, c.e, k);
        EXPECT_EQ(Conta(im, cor, r), r.height()) << k;
    }
}

TEST(Grafico, PalitosCoresEnvolventeEFiltro) {
    Cena c(EntradaInicial(3));
    const QImage im = c.Tela();
    const QRect acima(0, 0, im.width(), Px(c.g.LinhaBase));
    ConfereSticks(im, c, true);
    // The envelope passes through each maximum in black, with a blue tick above it.
    const Envolvente& env = c.g.env;
    ASSERT_EQ(env.MaxEnvCount, 9);
    for (int m = 1; m <= env.MaxEnvCount; ++m) {
        const std::size_t i = std::size_t(m);
        const int x = Px(XFreq(c.g, env.MaxEnvFreq[i])), y = Px(YInt(c.g, env.MaxEnvAltura[i]));
        EXPECT_GE(Conta(im, Preto, QRect(QPoint(x - 3, y), QPoint(x + 3, y + 12))), 6) << m;
        EXPECT_GE(Conta(im, Azul, QRect(QPoint(x, y - 14), QPoint(x, y - 5))), 9) << m;
    }

    c.o.Colorido = false;
    const QImage semCores = c.Tela();
    for (Cor cor : {Vermelho, Verde, Branco}) EXPECT_EQ(Conta(semCores, cor), 0) << cor;
    ConfereSticks(semCores, c, false);
    c.o.Colorido = true;
    // A black-and-white copy has no colour at all, peak labels included.
    EXPECT_EQ(Coloridos(c.Png(true)), 0);
    EXPECT_GT(Coloridos(c.Png()), 500);

    // Filtering on proton 2: only its sticks keep a colour, the combination
    // band goes too; the markers under the baseline stay.
    EXPECT_GT(Conta(im, Verde, acima), 50);
    EXPECT_GT(Conta(im, Branco, acima), 0);
    c.g.FiltroAtivo = true;
    c.g.ProtFiltro = 2;
    const QImage filtrado = c.Tela();
    EXPECT_GT(Conta(filtrado, Vermelho, acima), 50);
    EXPECT_EQ(Conta(filtrado, Verde, acima) + Conta(filtrado, Branco, acima), 0);
    EXPECT_GT(Conta(filtrado, Verde), 10);
}

// A first-order run says so across the plot.
TEST(Grafico, MarcaDaPrimeiraOrdem) {
    const QString marca = QCoreApplication::translate("Grafico", "Espectro de Primeira Ordem!");
    EntradaSimulacao in = EntradaInicial(3);
    EXPECT_FALSE(Textos(Cena(in).Svg()).contains(marca));
    in.PrimOrdem = true;
    EXPECT_TRUE(Textos(Cena(in).Svg()).contains(marca));
}

TEST(Grafico, CentroEBandaMarcadaSoNaTela) {
    Cena c(EntradaInicial(3));
    c.g.env.EnvolventeLigada = false; // nothing drawn above the sticks
    c.g.BandaMarcada = true;
    c.g.IndiceMarcado = 1;
    c.g.FreqMarcada = c.e.FreqBanda(1);
    const QImage tela = c.Tela();
    const double topo = YInt(c.g, c.e.IntBanda(1));
    const int x = Px(XFreq(c.g, c.g.FreqMarcada));
    const QRect haste(QPoint(x, Px(topo - 1000) + 1), QPoint(x, Px(topo - 200) - 1));
    EXPECT_EQ(Conta(tela, Preto, haste), haste.height());
    EXPECT_GT(Conta(tela, Laranja, QRect(482, 0, 1, Px(c.g.LinhaBase))), 300);
    const QImage copia = c.Png();
    c.g.Visualizando = true;
    const QImage previa = c.Tela();
    for (const QImage* im : {&copia, &previa})
        EXPECT_EQ(Conta(*im, Preto, haste) + Conta(*im, Laranja), 0);
    // With no band selected the centre line marks nothing.
    c.g.Visualizando = c.g.BandaMarcada = false;
    EXPECT_EQ(Conta(c.Tela(), Laranja), 0);
}

// The first row from `de` to before `ate` that is black from column 2 to
// the third last (inside the copy's frame), or -1.
int LinhaPreta(const QImage& im, int de, int ate) {
    for (int y = std::max(de, 0); y < std::min(ate, im.height()); ++y) {
        bool preta = true;
        for (int x = 2; x < im.width() - 2 && preta; ++x) preta = (im.pixel(x, y) & 0xffffff) == 0;
        if (preta) return y;
    }
    return -1;
}

// The lowest row from `de` to before `ate` with a pixel that is not white
// (inside the frame), and the lowest with a coloured one: the proton labels
// are coloured, the ppm scale black and grey.
struct Fundo {
    int desenho = -1, cor = -1;
};
Fundo MaisBaixos(const QImage& im, int de, int ate) {
    Fundo f;
    for (int y = de; y < std::min(ate, im.height()); ++y)
        for (int x = 2; x < im.width() - 2; ++x) {
            if ((im.pixel(x, y) & 0xffffff) != Branco) f.desenho = y;
            if (Colorido(im.pixel(x, y))) f.cor = y;
        }
    return f;
}

// Under the proton labels, the ppm scale: its rule, then ticks and labels,
// all above the annotation block's rule at SH - 100 in the copy (the screen's
// scroll bar: AreaGraficoTeste). Ten protons bring labels jogged apart. The
// scale's room comes from above the lines (1100 twips over the tallest for
// its label); the compact plot and the comparison of line shapes have none
// to spare: no scale, the baseline where the proton labels alone put it.
TEST(Grafico, EscalaPpmSobOsRotulosDosProtons) {
    for (const int N : {3, 10}) {
        Cena c(EntradaInicial(N));
        const int fimCopia = Px(AlturaLarga - 100);
        const QImage copia = c.Png();
        EXPECT_GE(c.g.LinhaBase - AlturaLarga / 1.5, 1100);
        const int base = Px(c.g.LinhaBase);
        const int regra = LinhaPreta(copia, base + 2, fimCopia);
        ASSERT_GT(regra, base + 12) << N << ": no rule under the labels";
        const Fundo acima = MaisBaixos(copia, base + 1, regra);
        const Fundo abaixo = MaisBaixos(copia, regra + 1, fimCopia);
        EXPECT_GT(acima.cor, base + 8) << N << ": the labels are there";
        EXPECT_EQ(abaixo.cor, -1) << N << ": a proton label under the rule";
        EXPECT_GT(abaixo.desenho, regra + 8) << N << ": the scale's numbers";
        EXPECT_LT(abaixo.desenho, fimCopia - 1) << N;
    }
    Cena c(EntradaInicial(3));
    const QImage compacta =
        DesenhoPng(c.g, c.e, c.o, MedidaFigura{LarguraCompacta, AlturaCompacta}, false);
    EXPECT_EQ(c.g.LinhaBase, int(std::lround(AlturaCompacta * 0.9)));
    EXPECT_EQ(LinhaPreta(compacta, Px(c.g.LinhaBase) + 2, Px(AlturaCompacta - 100)), -1);

    // The wide plot of a laptop's window, shortened to its least height, keeps
    // the scale and draws its lines lower, leaving their labels room.
    const QImage baixa = DesenhoPng(c.g, c.e, c.o, MedidaFigura{LarguraLarga, AlturaMinima}, false);
    EXPECT_GE(LinhaPreta(baixa, Px(c.g.LinhaBase) + 2, Px(AlturaMinima - 100)), 0);
    const double alturaPicos = AlturaDosPicos(c.g, AlturaMinima);
    EXPECT_LE(alturaPicos, c.g.LinhaBase - AcimaDosPicos);
    EXPECT_GE(alturaPicos, AlturaMinima / 3.0);

    Cena u(EntradaInicial(1));
    u.o.CompararCurvas = true;
    const QImage comparacao = u.Png();
    EXPECT_EQ(u.g.LinhaBase, int(std::lround(AlturaLarga * 0.9)));
    EXPECT_EQ(LinhaPreta(comparacao, Px(u.g.LinhaBase) + 2, Px(AlturaLarga - 100)), -1);
}

// butila-10 as its file sets the run and the line width.
Cena Butila() {
    const Exemplo* x = ProcuraExemplo("butila-10");
    EXPECT_TRUE(x);
    const DadosArquivo d =
        x ? LeDadosArquivo(x->bytes, ',').dados.value_or(DadosArquivo{}) : DadosArquivo{};
    Cena c(EntradaDoArquivo(d, ','));
    c.o.TextoLargura = FormataGeral(d.Largura, 3, ',');
    return c;
}

// Forty lines 1,5 Hz apart, of uneven heights, narrower than their
// spacing, in a spectrum 800 Hz wide: a pixel or two between them.
Cena Multipleto() {
    Cena c(EntradaInicial(1));
    std::vector<std::pair<double, double>> b{{600, 1}, {1400, 1}};
    for (int i = 0; i < 40; ++i) b.emplace_back(1000 + 1.5 * i, 1 + 0.6 * std::sin(i * 1.3));
    PoeBandas(c.e, b);
    c.o.TextoLargura = "0,3";
    return c;
}

// The cell of a label written upwards, from where the SVG puts its baseline.
QRectF CelulaSvg(const TextoSvg& t) {
    QFont f;
    f.setFamilies({"Arial", "Liberation Sans"});
    f.setPixelSize(int(t.tamanho));
    const QFontMetricsF m(f);
    return QRectF(t.origem.x() - m.ascent(), t.origem.y() - m.horizontalAdvance(t.s), m.height(),
                  m.horizontalAdvance(t.s));
}

// The blue lines of the SVG: the ticks over the maxima.
int Tiques(const QByteArray& svg) {
    static const QRegularExpression grupo(
        QStringLiteral(R"re(<g [^>]*stroke="#0000ff"[^>]*>(.*?)</g>)re"),
        QRegularExpression::DotMatchesEverythingOption);
    int n = 0;
    for (const auto& m : grupo.globalMatch(QString::fromUtf8(svg)))
        n += int(m.captured(1).count(QStringLiteral("<polyline")));
    return n;
}

// In dense multiplets the labels of the maxima never pile up: the drawn
// ones are clear of each other, the tallest maximum keeps its label, every
// label left out would have run into that of a maximum at least as tall,
// and every maximum keeps its tick. Screen and copies lay them out alike.
TEST(Grafico, RotulosDosMaximosNaoSeSobrepoem) {
    for (const int caso : {0, 1, 2}) {
        SCOPED_TRACE(caso);
        Cena c = caso == 2 ? Multipleto() : Butila();
        c.o.NumerosGrandes = caso == 1;
        MedidaFigura m;
        if (caso != 0) m = MedidaNaLargura(16, 0.45, c.g, c.e, c.o);
        EstadoGrafico g = EstadoDaCopia(c.g, LarguraLarga, AlturaLarga, m);
        const QByteArray svg = DesenhoSvg(g, c.e, c.o, m, false);
        const std::vector<TextoSvg> azuis = RotulosAzuis(svg);
        for (std::size_t i = 0; i < azuis.size(); ++i) {
            EXPECT_NEAR(azuis[i].graus, 90, 1e-6);
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(CelulaSvg(azuis[i]).intersects(CelulaSvg(azuis[j])))
                    << azuis[j].s.toStdString() << " and " << azuis[i].s.toStdString();
        }
        EXPECT_EQ(Tiques(svg), g.env.MaxEnvCount);

        g.CopiandoFigura = true;
        const std::vector<RotuloMaximo> r = RotulosDosMaximos(g, c.e, c.o);
        ASSERT_EQ(int(r.size()), g.env.MaxEnvCount);
        ASSERT_GT(r.size(), 20u);
        std::vector<const RotuloMaximo*> escritos;
        for (const RotuloMaximo& x : r)
            if (x.escrito) escritos.push_back(&x);
        ASSERT_EQ(escritos.size(), azuis.size());
        EXPECT_LT(escritos.size(), r.size()) << "a dense multiplet leaves some out";
        for (std::size_t i = 0; i < azuis.size(); ++i) {
            EXPECT_EQ(escritos[i]->texto, azuis[i].s);
            EXPECT_NEAR(escritos[i]->caixa.left(), CelulaSvg(azuis[i]).left(), 1);
        }
        const auto altura = [&](const RotuloMaximo& x) {
            return g.env.MaxEnvAltura[std::size_t(x.k)];
        };
        EXPECT_TRUE(std::max_element(r.begin(), r.end(), [&](auto& a, auto& b) {
                        return altura(a) < altura(b);
                    })->escrito);
        for (const RotuloMaximo& x : r)
            EXPECT_TRUE(x.escrito ||
                        std::any_of(escritos.begin(), escritos.end(),
                                    [&](auto* q) {
                                        return altura(*q) >= altura(x) &&
                                               q->caixa.intersects(x.caixa.adjusted(-1, -1, 1, 1));
                                    }))
                << x.texto.toStdString();
    }
}

} // namespace
