// What Grafico puts on the screen plot and on copies, checked pixel by pixel.
#include "DesenhoAux.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

using namespace aux;

namespace {

constexpr Cor Preto = 0x000000, Branco = 0xffffff, Azul = 0x0000ff, Vermelho = 0xff0000,
              Verde = 0x008000;

// Each stick alone in its pixel column (no other drawn over it) in its
// proton's colour, or black, from its top to the baseline.
void ConfereSticks(const QImage& im, const Cena& c, bool cores) {
    std::multiset<int> colunas;
    for (int k = 1; k <= c.e.NBandas; ++k) colunas.insert(Px(XFreq(c.g, c.e.FreqBanda(k))));
    int isoladas = 0;
    for (int k = 1; k <= c.e.NBandas; ++k) {
        const int x = Px(XFreq(c.g, c.e.FreqBanda(k))), p = c.e.ProtBanda(k);
        if (colunas.count(x) != 1) continue;
        ++isoladas;
        const Cor cor = !cores ? Preto : p == 0 ? Branco : c.g.CorProt[std::size_t(p)];
        const QRect r(QPoint(x, Px(YInt(c.g, c.e.IntBanda(k))) + 1),
                      QPoint(x, Px(c.g.LinhaBase) - 1));
        EXPECT_EQ(Conta(im, cor, r), r.height()) << k;
    }
    EXPECT_GE(isoladas, 8);
}

int Coloridos(const QImage& im) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            const QRgb p = im.pixel(x, y);
            n += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
        }
    return n;
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

// In a dense multiplet (forty narrow lines 1,5 Hz apart, of uneven heights)
// the labels of the maxima never pile up: the drawn ones are clear of each
// other, the tallest keeps its label, and every label left out would have run
// into that of a maximum at least as tall.
TEST(Grafico, RotulosDosMaximosNaoSeSobrepoem) {
    Cena c(EntradaInicial(1));
    std::vector<std::pair<double, double>> b{{600, 1}, {1400, 1}};
    for (int i = 0; i < 40; ++i) b.emplace_back(1000 + 1.5 * i, 1 + 0.6 * std::sin(i * 1.3));
    c.e = Bandas(b, c.e);
    c.o.TextoLargura = "0,3";
    const MedidaFigura m = MedidaNaLargura(16, 0.45, c.g, c.e, c.o);
    EstadoGrafico g = EstadoDaCopia(c.g, LarguraLarga, AlturaLarga, m);
    const std::vector<TextoSvg> textos = TextosSvg(DesenhoSvg(g, c.e, c.o, m, false));
    const auto azuis = std::count_if(textos.begin(), textos.end(), // the maxima's labels
                                     [](const TextoSvg& t) { return t.cor == "#0000ff"; });
    g.CopiandoFigura = true;
    const std::vector<RotuloMaximo> r = RotulosDosMaximos(g, c.e, c.o);
    ASSERT_GT(r.size(), 20u);
    std::vector<const RotuloMaximo*> escritos;
    for (const RotuloMaximo& x : r)
        if (x.escrito) escritos.push_back(&x);
    EXPECT_EQ(std::ptrdiff_t(escritos.size()), azuis);
    EXPECT_LT(escritos.size(), r.size()) << "a dense multiplet leaves some out";
    const auto altura = [&](const RotuloMaximo& x) { return g.env.MaxEnvAltura[std::size_t(x.k)]; };
    EXPECT_TRUE(std::max_element(r.begin(), r.end(), [&](auto& a, auto& b) {
                    return altura(a) < altura(b);
                })->escrito);
    for (const RotuloMaximo& x : r) {
        int cruza = 0, maisAlto = 0;
        for (const RotuloMaximo* q : escritos)
            if (q != &x && q->caixa.intersects(x.caixa.adjusted(-1, -1, 1, 1))) {
                ++cruza;
                maisAlto += altura(*q) >= altura(x);
            }
        EXPECT_TRUE(x.escrito ? cruza == 0 : maisAlto > 0) << x.texto.toStdString();
        // Written upwards, a label's cell is a line high across: about twice
        // the length of its average character.
        EXPECT_GT(x.caixa.width(), 1.5 * x.caixa.height() / x.texto.size())
            << x.texto.toStdString();
    }
}

} // namespace
