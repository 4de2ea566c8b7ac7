// The recorded copy: the SVG picture and its annotation block.
#include "DesenhoAux.h"

#include <QRegularExpression>
#include <QStringList>

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
    const int yh = Px(YInt(c.g, c.g.env.EnvComb[std::size_t(c.g.env.MaxEnvPos[1])] / 2));
    EXPECT_GT(Conta(im, 0x0000ff, QRect(0, yh, im.width(), 1)), 700);
    t = Textos(c.Svg());
    for (const char* s : {"Gaussiana", "Lorentziana", "Combinação", "Espectro Simulado"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
    for (const QString& s : t)
        EXPECT_TRUE(!s.startsWith(QString::fromUtf8("Freqüência")) && !s.startsWith("(H") &&
                    s != "X(H)=")
            << s.toStdString();
}

} // namespace
