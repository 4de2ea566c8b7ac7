// The recorded copy: the SVG picture and its annotation block, the PNG and
// PDF files, and their sizes on paper.
#include "DesenhoAux.h"
#include "TextoPdf.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <cmath>

using namespace aux;

namespace {

const char* const CoresDaCopia[] = {"#ff0000", "#008000", "#0000ff", "#a0a0a0"};

// The annotations in the user's decimal form, the ppm scale too (the
// default system's lines at 0.65 to 0.73 ppm, ticked every 0.02 ppm).
TEST(Figura, BlocoDeAnotacoesEPretoEBranco) {
    Cena c(EntradaInicial(3));
    const QStringList virgula = Textos(c.Svg());
    for (const char* s : {"ppm", "0,64", "0,70", "0,78"}) EXPECT_TRUE(virgula.contains(s)) << s;
    EXPECT_FALSE(virgula.contains("0,71"));
    c.o.SepDec = '.';
    c.o.TextoFrequencia = "400.5";
    c.o.TextoIntMin = "0.001";
    c.o.Mistura = 30;
    const QByteArray svg = c.Svg();
    // The plot's size in screen pixels and 500 twips more for the bottom lines.
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 963 463\""));
    const QStringList t = Textos(svg);
    for (const char* s :
         {"Curva Combinada: 30% Lorentziana + 70% Gaussiana",
          "Freqüência: 400.5 MHz    Largura a meia altura: 1 Hz", "Intensidade mínima: 0.001",
          "Título: Default", "(H1) = 194.35", "(H3) = 218.08",
          "X(H)=", "J(1,X)=", "J(2,X)=", "+12.00", "+8.00", "207.3", "0.70"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
    EXPECT_FALSE(t.contains("J(3,X)="));
    EXPECT_EQ(t.count(QStringLiteral("ν")), 3);
    // Proton colours, blue peak marks, the grey combination band; no centre
    // line. In black and white (no colour: Grafico's tests), the same texts.
    for (const char* cor : CoresDaCopia) EXPECT_TRUE(svg.contains(cor)) << cor;
    EXPECT_FALSE(svg.contains("#ffc080"));
    EXPECT_EQ(Textos(c.Svg(true)), t);
    EXPECT_FALSE(c.g.CopiandoFigura || c.g.CopiaBP);
}

// The box around the pixels of the strip under the plot (the annotation
// block's bottom line) that `marca` picks.
template <class F> QRect CaixaNaFaixa(const QImage& im, int SH, F marca) {
    QRect caixa;
    for (int y = Px(SH); y < im.height() - 2; ++y)
        for (int x = 2; x < im.width() - 2; ++x)
            if (marca(x, y)) caixa |= QRect(x, y, 1, 1);
    return caixa;
}

// The bottom line holds the title, which ends well before 340 pixels, the
// credit and, with the envelope, the mix: none over another, in the wide and
// compact copies and the narrowest that holds the annotations.
TEST(Figura, CreditoLongeDaLinhaDaMistura) {
    for (const int layout : {0, 1, 2}) {
        for (const int mistura : {0, 100}) {
            SCOPED_TRACE(testing::Message() << layout << " " << mistura);
            Cena c(EntradaInicial(3));
            c.o.Mistura = mistura;
            const TamanhoTwips minimo = MinimoDaCopia(c.g, c.e, c.o);
            const int SW = layout == 0 ? LarguraLarga : layout == 1 ? LarguraCompacta : minimo.SW;
            const int SH = layout == 0 ? AlturaLarga : layout == 1 ? AlturaCompacta : minimo.SH;
            c.g.env.EnvPontos = SW / 15;
            const QImage com = DesenhoPng(c.g, c.e, c.o, {SW, SH}, false);
            c.g.env.EnvolventeLigada = false;
            const QImage sem = DesenhoPng(c.g, c.e, c.o, {SW, SH}, false);
            const auto escrito = [&](int x, int y) {
                return (sem.pixel(x, y) & 0xffffff) != 0xffffff;
            };
            const QRect titulo =
                CaixaNaFaixa(sem, SH, [&](int x, int y) { return x < 340 && escrito(x, y); });
            const QRect credito =
                CaixaNaFaixa(sem, SH, [&](int x, int y) { return x > 340 && escrito(x, y); });
            const QRect linha = CaixaNaFaixa(
                com, SH, [&](int x, int y) { return com.pixel(x, y) != sem.pixel(x, y); });
            ASSERT_FALSE(credito.isNull() || linha.isNull());
            EXPECT_FALSE(credito.intersects(linha) || titulo.intersects(linha));
            EXPECT_LT(credito.right(), com.width() - 2);
        }
    }
}

// One proton has no coupling table. Comparison: the three curves with their
// legend and the half-height line; no data lines, no coupling table.
TEST(Figura, UmProtonEComparacao) {
    Cena c(EntradaInicial(1));
    QStringList t = Textos(c.Svg());
    EXPECT_TRUE(t.contains("X(H)="));
    for (const QString& s : t) EXPECT_TRUE(!s.startsWith("J(") && s != "2") << s.toStdString();

    c.o.CompararCurvas = true;
    c.g.ZoomHoriz = 11.390625;
    const QImage im = c.Png();
    EXPECT_GT(Conta(im, 0x00ff00), 300);
    EXPECT_GT(Conta(im, 0xff0000), 300);
    const int yh = Px(YInt(c.g, c.g.env.MaxEnvAltura[1] / 2));
    EXPECT_GT(Conta(im, 0x0000ff, QRect(0, yh, im.width(), 1)), 700);
    t = Textos(c.Svg());
    for (const char* s : {"Gaussiana", "Lorentziana", "Combinação", "Espectro Simulado"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
    for (const QString& s : t)
        EXPECT_TRUE(!s.startsWith(QString::fromUtf8("Freqüência")) && !s.startsWith("(H") &&
                    s != "X(H)=" && s != "ppm")
            << s.toStdString();
}

// The files "Salvar Figura..." and halvora-calc write: the same drawing at
// 300 dpi, and a PDF page of the picture's size that the drawing fills.
TEST(Figura, Png300DpiEPdf) {
    Cena c(EntradaInicial(3));
    const MedidaFigura larga{LarguraLarga, AlturaLarga};
    QImage png;
    ASSERT_TRUE(png.loadFromData(BytesFigura(FormatoFigura::Png, c.g, c.e, c.o, larga, false)));
    // 963 x 463 screen pixels at 300/96, rounded up. Scaled, not cut: the
    // frame's far corner and roughly (300/96)^2 times the screen copy's red.
    EXPECT_EQ(png.size(), QSize(3010, 1447));
    EXPECT_EQ(png.dotsPerMeterX(), 11811);
    EXPECT_EQ(png.pixel(3008, 1445) & 0xffffff, 0u);
    EXPECT_NEAR(double(Conta(png, 0xff0000)) / Conta(c.Png(), 0xff0000), std::pow(300.0 / 96, 2),
                2.5);

    // Vectors only, on a page of whole points rounded up from 722.25 x 347.25.
    const QByteArray pdf = BytesFigura(FormatoFigura::Pdf, c.g, c.e, c.o, larga, false);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    static const QRegularExpression caixa(
        QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto mb = caixa.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(mb.hasMatch());
    EXPECT_EQ(QSizeF(mb.captured(1).toDouble(), mb.captured(2).toDouble()), QSizeF(723, 348));
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("figura.pdf"));
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(pdf) == pdf.size());
    f.close();
    const auto pagina = ImagemPdf(arquivo, 72);
    if (!pagina) GTEST_SKIP() << "pdftoppm is not installed";
    ASSERT_EQ(pagina->size(), QSize(723, 348));
    const QRect tinta = Tinta(*pagina);
    EXPECT_LE(std::max(tinta.left(), tinta.top()), 1);
    EXPECT_GE(tinta.right(), 720);
    EXPECT_GE(tinta.bottom(), 345);
}

// On the printed page the picture takes the page's width, or, on a strip
// too short for it, the height, centred across.
TEST(Figura, RetanguloDaPaginaImpressa) {
    const QSizeF figura(963, 463);
    EXPECT_EQ(RetanguloImpressao(figura, QRectF(0, 0, 13087, 9447)),
              QRectF(0, 0, 13087, 13087 * 463 / 963.0));
    const double largura = 1000 * 963 / 463.0;
    EXPECT_EQ(RetanguloImpressao(figura, QRectF(100, 50, 4000, 1000)),
              QRectF(2100 - largura / 2, 50, largura, 1000));
    EXPECT_TRUE(RetanguloImpressao(figura, QRectF()).isEmpty());
}

double MmPorPixel(const QByteArray& svg) {
    static const QRegularExpression re(
        QStringLiteral(R"re(width="([0-9.]+)mm"[^>]*viewBox="0 0 ([0-9.]+) )re"));
    const auto m = re.match(QString::fromLatin1(svg.left(400)));
    return m.hasMatch() ? m.captured(1).toDouble() / m.captured(2).toDouble() : 0;
}

// A width on paper: the picture that wide, the ten protons' annotations
// shrunk to fit but never below 7 points at 16 cm, and 5 cm that many
// pixels at 300 dpi.
TEST(Figura, LarguraNoPapelComTextoLegivel) {
    for (const auto& [N, cm] : {std::pair{10, 16.0}, {3, 5.0}}) {
        SCOPED_TRACE(testing::Message() << N << " protons, " << cm << " cm");
        Cena c(EntradaInicial(N));
        const MedidaFigura m =
            MedidaNaLargura(cm, double(AlturaLarga) / LarguraLarga, c.g, c.e, c.o);
        EstadoGrafico copia = EstadoDaCopia(c.g, LarguraLarga, AlturaLarga, m);
        const QByteArray svg = DesenhoSvg(copia, c.e, c.o, m, false);
        EXPECT_NEAR(MmPorPixel(svg) * Px(m.SW), 10 * cm, 0.3);
        double menor = 1e9;
        for (const TextoSvg& t : TextosSvg(svg))
            menor = std::min(menor, t.tamanho * MmPorPixel(svg) / 25.4 * 72);
        if (N == 10)
            EXPECT_GE(menor, 7);
        else
            EXPECT_NEAR(DesenhoPng(copia, c.e, c.o, m, false, 300).width(), cm / 2.54 * 300, 1);
    }
}

} // namespace
