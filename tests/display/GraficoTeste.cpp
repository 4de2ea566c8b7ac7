// What Grafico puts on the screen plot and on copies, checked pixel by pixel.
#include "DesenhoAux.h"

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

// Pixels that are not black, white or grey.
int Coloridos(const QImage& im) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            const QRgb p = im.pixel(x, y);
            n += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
        }
    return n;
}

TEST(Grafico, PalitosNasCoresDosProtonsSobAEnvolvente) {
    Cena c(EntradaInicial(3));
    const QImage im = c.Tela();
    const auto isoladas = BandasIsoladas(c.g, c.e);
    ASSERT_GE(isoladas.size(), 8u);
    for (int k : isoladas) {
        const int p = c.e.ProtBanda(k);
        const QRect r = Palito(c.g, c.e, k);
        EXPECT_EQ(Conta(im, p == 0 ? Branco : c.g.CorProt[std::size_t(p)], r), r.height()) << k;
    }
    // The envelope passes through each maximum in black, with a blue tick above it.
    const Envolvente& env = c.g.env;
    ASSERT_EQ(env.MaxEnvCount, 9);
    for (int m = 1; m <= env.MaxEnvCount; ++m) {
        const std::size_t i = std::size_t(m);
        const int x = Px(XFreq(c.g, env.MaxEnvFreq[i])), y = Px(YInt(c.g, env.MaxEnvAltura[i]));
        EXPECT_GE(Conta(im, Preto, QRect(QPoint(x - 3, y), QPoint(x + 3, y + 12))), 6) << m;
        EXPECT_GE(Conta(im, Azul, QRect(QPoint(x, y - 14), QPoint(x, y - 5))), 9) << m;
    }
}

TEST(Grafico, SemCoresPretoEBrancoEFiltro) {
    Cena c(EntradaInicial(3));
    const QImage colorido = c.Tela();
    const QRect acima(0, 0, colorido.width(), Px(c.g.LinhaBase));
    EXPECT_GT(Conta(colorido, Verde, acima), 50);
    EXPECT_GT(Conta(colorido, Branco, acima), 0);

    c.o.Colorido = false;
    const QImage semCores = c.Tela();
    for (Cor cor : {Vermelho, Verde, Branco}) EXPECT_EQ(Conta(semCores, cor), 0) << cor;
    for (int k : BandasIsoladas(c.g, c.e)) {
        const QRect r = Palito(c.g, c.e, k);
        EXPECT_EQ(Conta(semCores, Preto, r), r.height()) << k;
    }
    c.o.Colorido = true;
    // A black-and-white copy has no colour at all, peak labels included.
    EXPECT_EQ(Coloridos(c.Png(true)), 0);
    EXPECT_GT(Coloridos(c.Png()), 500);

    // Filtering on proton 2: only its sticks keep a colour, the combination
    // band goes too; the markers under the baseline stay.
    c.g.FiltroAtivo = true;
    c.g.ProtFiltro = 2;
    const QImage filtrado = c.Tela();
    EXPECT_GT(Conta(filtrado, Vermelho, acima), 50);
    EXPECT_EQ(Conta(filtrado, Verde, acima), 0);
    EXPECT_EQ(Conta(filtrado, Branco, acima), 0);
    EXPECT_GT(Conta(filtrado, Verde), 10);
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
    EXPECT_EQ(Conta(copia, Preto, haste), 0);
    EXPECT_EQ(Conta(copia, Laranja), 0);
    c.g.Visualizando = true;
    const QImage previa = c.Tela();
    EXPECT_EQ(Conta(previa, Preto, haste), 0);
    EXPECT_EQ(Conta(previa, Laranja), 0);

    // With no band selected the centre line marks nothing.
    c.g.Visualizando = false;
    c.g.BandaMarcada = false;
    EXPECT_EQ(Conta(c.Tela(), Laranja), 0);
}

} // namespace
