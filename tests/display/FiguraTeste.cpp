// The recorded copy: the SVG picture and its annotation block.
#include "DesenhoAux.h"
#include "TextoPdf.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <cmath>

using namespace aux;

namespace {

QStringList Textos(const QByteArray& svg) {
    static const QRegularExpression re(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    QStringList r;
    for (const auto& m : re.globalMatch(QString::fromUtf8(svg))) r << m.captured(1);
    return r;
}

TEST(Figura, BlocoDeAnotacoesEPretoEBranco) {
    Cena c(EntradaInicial(3));
    c.o.SepDec = '.';
    c.o.TextoFrequencia = "400.5";
    c.o.TextoIntMin = "0.001";
    c.o.Mistura = 30;
    const QByteArray svg = c.Svg();
    // The plot's size in screen pixels and 500 twips more for the bottom lines.
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 963 463\""));
    const QStringList t = Textos(svg);
    for (const char* s :
         {"Espectro Simulado", "Halvora (Corvel)",
          "Curva Combinada: 30% Lorentziana + 70% Gaussiana",
          "Freqüência: 400.5 MHz    Largura a meia altura: 1 Hz", "Intensidade mínima: 0.001",
          "Título: Default", "(H1) = 194.35", "(H3) = 218.08", "X(H)=", "2", "3",
          "J(1,X)=", "J(2,X)=", "+12.00", "+10.00", "+8.00", "H1", "H3", "207.3"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
    EXPECT_FALSE(t.contains("J(3,X)="));
    EXPECT_EQ(t.count(QStringLiteral("ν")), 3);
    // Proton colours, blue peak marks, the grey combination band; no centre line.
    for (const char* cor : {"#ff0000", "#008000", "#0000ff", "#a0a0a0"})
        EXPECT_TRUE(svg.contains(cor)) << cor;
    EXPECT_FALSE(svg.contains("#ffc080"));

    const QByteArray bp = c.Svg(true);
    for (const char* cor : {"#ff0000", "#008000", "#0000ff", "#a0a0a0"})
        EXPECT_FALSE(bp.contains(cor)) << cor;
    EXPECT_EQ(Textos(bp), t);
    EXPECT_FALSE(c.g.CopiandoFigura || c.g.CopiaBP);
}

// The copy's ppm scale reads in the user's decimal form: the default
// system's lines at 0.65 to 0.73 ppm, ticked every 0.02 ppm.
TEST(Figura, EscalaPpmComOSeparadorDoUsuario) {
    Cena c(EntradaInicial(3));
    QStringList t = Textos(c.Svg());
    for (const char* s : {"ppm", "0,64", "0,70", "0,78"}) EXPECT_TRUE(t.contains(s)) << s;
    EXPECT_FALSE(t.contains("0,71"));
    EXPECT_FALSE(t.contains("0.70"));
    c.o.SepDec = '.';
    t = Textos(c.Svg());
    EXPECT_TRUE(t.contains("0.70"));
    EXPECT_FALSE(t.contains("0,70"));
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

TEST(Figura, CreditoLongeDaLinhaDaMistura) {
    enum { Larga, Compacta, Minima };
    for (const int layout : {Larga, Compacta, Minima}) {
        for (const int mistura : {0, 50, 100}) {
            Cena c(EntradaInicial(3));
            c.o.Mistura = mistura;
            // The narrowest copy that holds the annotations, as a narrow
            // width on paper lays them out.
            const TamanhoTwips minimo = MinimoDaCopia(c.g, c.e, c.o);
            const int SW = layout == Larga      ? LarguraLarga
                           : layout == Compacta ? LarguraCompacta
                                                : minimo.SW;
            const int SH = layout == Larga      ? AlturaLarga
                           : layout == Compacta ? AlturaCompacta
                                                : minimo.SH;
            c.g.env.EnvPontos = SW / 15;
            const QImage com = DesenhoPng(c.g, c.e, c.o, {SW, SH}, false);
            c.g.env.EnvolventeLigada = false;
            const QImage sem = DesenhoPng(c.g, c.e, c.o, {SW, SH}, false);
            // Without the envelope the strip holds the title, which ends well
            // before 340 pixels, and the credit.
            const auto escrito = [&](int x, int y) {
                return (sem.pixel(x, y) & 0xffffff) != 0xffffff;
            };
            const QRect titulo =
                CaixaNaFaixa(sem, SH, [&](int x, int y) { return x < 340 && escrito(x, y); });
            const QRect credito =
                CaixaNaFaixa(sem, SH, [&](int x, int y) { return x > 340 && escrito(x, y); });
            const QRect linha = CaixaNaFaixa(
                com, SH, [&](int x, int y) { return com.pixel(x, y) != sem.pixel(x, y); });
            ASSERT_FALSE(credito.isNull());
            ASSERT_FALSE(linha.isNull());
            const char* nomes[] = {"wide", "compact", "narrowest"};
            EXPECT_FALSE(credito.intersects(linha) || titulo.intersects(linha))
                << nomes[layout] << ' ' << mistura << ": title ..." << titulo.right() << ", credit "
                << credito.left() << ".." << credito.right() << ", mix line " << linha.left()
                << ".." << linha.right();
            EXPECT_LT(credito.right(), com.width() - 2) << nomes[layout];
        }
    }
}

TEST(Figura, UmProtonEComparacao) {
    Cena c(EntradaInicial(1));
    QStringList t = Textos(c.Svg());
    EXPECT_TRUE(t.contains("X(H)="));
    for (const QString& s : t) EXPECT_TRUE(!s.startsWith("J(") && s != "2") << s.toStdString();

    // Comparison: the three curves with their legend and the half-height
    // line; no data lines, no coupling table.
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
// 300 dpi, and a PDF page of the picture's size.
TEST(Figura, Png300DpiEPdf) {
    Cena c(EntradaInicial(3));
    const QImage png = DesenhoPng(c.g, c.e, c.o, {LarguraLarga, AlturaLarga}, false, 300);
    // 963 x 463 screen pixels at 300/96, rounded up.
    EXPECT_EQ(png.size(), QSize(3010, 1447));
    EXPECT_EQ(png.dotsPerMeterX(), 11811);
    EXPECT_EQ(png.dotsPerMeterY(), 11811);
    // Scaled, not cut: the frame's far corner and roughly (300/96)^2 times
    // the red of the screen-sized copy.
    EXPECT_EQ(png.pixel(3008, 1445) & 0xffffff, 0u);
    const double razao = double(Conta(png, 0xff0000)) / Conta(c.Png(), 0xff0000);
    EXPECT_NEAR(razao, std::pow(300.0 / 96, 2), 2.5);
    EXPECT_FALSE(c.g.CopiandoFigura || c.g.CopiaBP);

    // The bytes keep the resolution; black and white has no proton colour.
    QImage lida;
    ASSERT_TRUE(lida.loadFromData(
        BytesFigura(FormatoFigura::Png, c.g, c.e, c.o, {LarguraLarga, AlturaLarga}, true), "PNG"));
    EXPECT_EQ(lida.size(), png.size());
    EXPECT_EQ(lida.dotsPerMeterX(), 11811);
    EXPECT_EQ(Conta(lida, 0xff0000), 0);

    // Vectors only, on a page of whole points rounded up from 722.25 x 347.25.
    const QByteArray pdf =
        BytesFigura(FormatoFigura::Pdf, c.g, c.e, c.o, {LarguraLarga, AlturaLarga}, false);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    static const QRegularExpression caixa(
        QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto m = caixa.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_EQ(m.captured(1).toDouble(), 723);
    EXPECT_EQ(m.captured(2).toDouble(), 348);

    // The drawing fills its page, frame to frame, as the reader shows it.
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("figura.pdf"));
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(pdf) == pdf.size());
    f.close();
    const auto pagina = ImagemPdf(arquivo, 72);
    if (!pagina) GTEST_SKIP() << "pdftoppm is not installed";
    ASSERT_EQ(pagina->size(), QSize(723, 348));
    const QRect tinta = Tinta(*pagina);
    EXPECT_LE(tinta.left(), 1);
    EXPECT_LE(tinta.top(), 1);
    EXPECT_GE(tinta.right(), 720);
    EXPECT_GE(tinta.bottom(), 345);
}

// The SVG's width on paper in millimetres over its drawing's width: what a
// pixel of the layout measures.
double MmPorPixel(const QByteArray& svg) {
    static const QRegularExpression re(
        QStringLiteral(R"re(width="([0-9.]+)mm"[^>]*viewBox="0 0 ([0-9.]+) )re"));
    const auto m = re.match(QString::fromLatin1(svg.left(400)));
    return m.hasMatch() ? m.captured(1).toDouble() / m.captured(2).toDouble() : 0;
}

// The labels of the envelope's maxima, the only blue text.
QStringList Rotulos(const QByteArray& svg) {
    QStringList r;
    for (const TextoSvg& t : TextosSvg(svg))
        if (t.cor == QStringLiteral("#0000ff")) r << t.s;
    return r;
}

// A width on paper: the picture that wide, its text at its screen size
// (11 to 16 pixels at 96 dpi, 8 to 12 points), unless the annotations need a
// wider layout and it is shrunk, never below 7 points at 16 cm.
TEST(Figura, LarguraNoPapelComTextoLegivel) {
    constexpr double proporcao = double(AlturaLarga) / LarguraLarga;
    for (const int N : {3, 10}) {
        for (const double cm : {5.0, 16.0, 50.0}) {
            SCOPED_TRACE(testing::Message() << N << " protons, " << cm << " cm");
            Cena c(EntradaInicial(N));
            const MedidaFigura m = MedidaNaLargura(cm, proporcao, c.g, c.e, c.o);
            EstadoGrafico copia = EstadoDaCopia(c.g, LarguraLarga, AlturaLarga, m);
            const QImage png = DesenhoPng(copia, c.e, c.o, m, false, 300);
            EXPECT_NEAR(png.width(), cm / 2.54 * 300, 1);
            EXPECT_EQ(png.dotsPerMeterX(), 11811);
            const QByteArray svg = DesenhoSvg(copia, c.e, c.o, m, false);
            EXPECT_NEAR(MmPorPixel(svg) * Px(m.SW), 10 * cm, 0.3);
            double menor = 1e9;
            for (const TextoSvg& t : TextosSvg(svg))
                menor = std::min(menor, t.tamanho * MmPorPixel(svg) / 25.4 * 72);
            if (cm >= 16) {
                EXPECT_GE(menor, N == 3 ? 8.2 : 7);
            }
            if (cm == 50) {
                EXPECT_LE(menor, 8.3);
            }
            // The envelope is sampled for the copy's width.
            EXPECT_EQ(copia.env.EnvPontos, m.SW / 15);
            EXPECT_EQ(copia.env.Amostras(), copia.env.EnvPontos * copia.env.PorColuna);
        }
    }
}

// A copy of another size shows the window's view: zoom, scroll and fixed
// window stretched to it, the same maxima labelled; the window's own
// samples stay as they were.
TEST(Figura, CopiaDeOutroTamanhoMostraAMesmaVista) {
    for (const bool fixa : {false, true}) {
        SCOPED_TRACE(fixa ? "fixed window" : "free window");
        Cena c(EntradaInicial(3));
        ZoomHorizontal(c.g, true);
        ZoomHorizontal(c.g, true);
        MudaRolagem(c.g, RolagemNeutra - 700);
        c.Tela();
        if (fixa) {
            c.g.JanelaFixa = true;
            c.g.EscalaVertFixa = c.g.EscalaVertBase;
            MudaRolagem(c.g, RolagemNeutra);
            c.Tela();
        }
        const std::vector<double> amostras = c.g.env.EnvFreq;
        const QStringList naJanela = Rotulos(c.Svg());
        ASSERT_GE(naJanela.size(), 3);
        for (const double cm : {16.0, 40.0}) {
            const MedidaFigura m = MedidaNaLargura(cm, 0.45, c.g, c.e, c.o);
            EstadoGrafico copia = EstadoDaCopia(c.g, LarguraLarga, AlturaLarga, m);
            EXPECT_EQ(Rotulos(DesenhoSvg(copia, c.e, c.o, m, false)), naJanela) << cm << " cm";
            // As tall, for the plot's height, as the window's peaks.
            const double topo = (copia.LinhaBase - YInt(copia, copia.env.MaxEnvAltura[1])) / m.SH;
            EXPECT_NEAR(topo, (c.g.LinhaBase - YInt(c.g, c.g.env.MaxEnvAltura[1])) / AlturaLarga,
                        0.01);
        }
        EXPECT_EQ(c.g.env.EnvFreq, amostras);
        EXPECT_EQ(c.g.env.EnvPontos, PontosLargo);
    }
}

TEST(Figura, RetanguloDaPaginaImpressa) {
    const QSizeF figura(963, 463);
    // A4 landscape at 1200 dpi, inside the printer's margins: the page's width.
    QRectF r = RetanguloImpressao(figura, QRectF(0, 0, 13087, 9447));
    EXPECT_EQ(r.topLeft(), QPointF(0, 0));
    EXPECT_DOUBLE_EQ(r.width(), 13087);
    EXPECT_DOUBLE_EQ(r.height(), 13087 * 463 / 963.0);
    // Portrait: still the width, the picture is wider than tall.
    r = RetanguloImpressao(figura, QRectF(0, 0, 9447, 13087));
    EXPECT_DOUBLE_EQ(r.width(), 9447);
    EXPECT_LT(r.height(), 13087);
    // A strip too short for the width: its height, centred across.
    r = RetanguloImpressao(figura, QRectF(100, 50, 4000, 1000));
    EXPECT_DOUBLE_EQ(r.height(), 1000);
    EXPECT_DOUBLE_EQ(r.width(), 1000 * 963 / 463.0);
    EXPECT_DOUBLE_EQ(r.top(), 50);
    EXPECT_DOUBLE_EQ(r.center().x(), 2100);
    EXPECT_TRUE(RetanguloImpressao(figura, QRectF()).isEmpty());
}

} // namespace
