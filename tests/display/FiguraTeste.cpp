// The recorded copy: the SVG picture, its annotation block and the file.
#include "DesenhoAux.h"

#include "display/Figura.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

using namespace aux;

namespace {

QStringList Textos(const QByteArray& svg) {
    static const QRegularExpression re(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    QStringList r;
    for (const auto& m : re.globalMatch(QString::fromUtf8(svg))) r << m.captured(1);
    return r;
}

struct Copia {
    EstadoSpin e;
    EstadoGrafico g;
    OpcoesGrafico o;
    explicit Copia(const EntradaSimulacao& in) : e(Calcula(in)) { Restaura(g); }
    QByteArray Svg(bool bp = false, int SW = LarguraLarga, int SH = AlturaLarga) {
        return DesenhoSvg(g, e, o, SW, SH, bp);
    }
};

TEST(Figura, BlocoDeAnotacoesDoEspectroInicial) {
    Copia c(Sistema(3));
    const QByteArray svg = c.Svg();
    ASSERT_TRUE(svg.startsWith("<?xml"));
    // The plot's size in screen pixels and 500 twips more for the bottom lines.
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 963 463\"")) << svg.left(400).constData();
    EXPECT_TRUE(svg.contains("width=\"254.794mm\""));

    const QStringList t = Textos(svg);
    for (const char* s : {"Espectro Simulado",
                          "Halvora (Corvel)",
                          "Curva Combinada: 50% Lorentziana + 50% Gaussiana",
                          "Freqüência: 300 MHz    Largura a meia altura: 1 Hz",
                          "Intensidade mínima: 0,01",
                          "Título: Default",
                          "ν",
                          "(H1) = 194,35",
                          "(H2) = 208,41",
                          "(H3) = 218,08",
                          "X(H)=",
                          "2",
                          "3",
                          "J(1,X)=",
                          "J(2,X)=",
                          "+12,00",
                          "+10,00",
                          "+8,00",
                          "H1",
                          "H2",
                          "H3",
                          "207,3"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
    EXPECT_FALSE(t.contains("J(3,X)="));
    EXPECT_EQ(t.count(QStringLiteral("ν")), 3);
    // Proton colours and the blue peak marks; no screen-only centre line.
    EXPECT_TRUE(svg.contains("#ff0000"));
    EXPECT_TRUE(svg.contains("#008000"));
    EXPECT_TRUE(svg.contains("#0000ff"));
    EXPECT_TRUE(svg.contains("#a0a0a0")); // the combination band
    EXPECT_FALSE(svg.contains("#ffc080"));
    EXPECT_FALSE(c.g.CopiandoFigura);

    // The same drawing again gives the same picture.
    EXPECT_EQ(c.Svg(), svg);
    c.g.env.EnvPontos = PontosCompacto;
    EXPECT_TRUE(c.Svg(false, LarguraCompacta, AlturaCompacta).contains("viewBox=\"0 0 773 398\""));
    c.g.env.EnvPontos = PontosLargo;

    // Black and white: only black and white.
    c.g.CopiaBP = false;
    const QByteArray bp = c.Svg(true);
    EXPECT_FALSE(c.g.CopiandoFigura);
    EXPECT_FALSE(c.g.CopiaBP);
    for (const char* cor : {"#ff0000", "#008000", "#0000ff", "#a0a0a0"})
        EXPECT_FALSE(bp.contains(cor)) << cor;
    EXPECT_EQ(Textos(bp), t);
}

TEST(Figura, TextosSeguemAsOpcoes) {
    Copia c(Sistema(4));
    c.o.SepDec = '.';
    c.o.Text110 = "400.5";
    c.o.Text13 = "0.8";
    c.o.Text12 = "0.001";
    c.o.TituloEspectro = "";
    c.o.Slider4 = 30;
    QStringList t = Textos(c.Svg());
    for (const char* s :
         {"Freqüência: 400.5 MHz    Largura a meia altura: 0.8 Hz", "Intensidade mínima: 0.001",
          "Título: ", "(H4) = 220.32", "Curva Combinada: 30% Lorentziana + 70% Gaussiana",
          "J(3,X)=", "4", "+12.00", "+4.00"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;

    // Without the envelope there is no mix line.
    c.g.env.EnvolventeLigada = false;
    t = Textos(c.Svg());
    EXPECT_TRUE(t.contains("Halvora (Corvel)"));
    for (const QString& s : t) EXPECT_FALSE(s.startsWith("Curva Combinada")) << s.toStdString();
}

TEST(Figura, UmProtonEComparacao) {
    EntradaSimulacao in;
    in.NProt = 1;
    in.Desloc = {194.35};
    Copia c(in);
    QStringList t = Textos(c.Svg());
    EXPECT_TRUE(t.contains("X(H)="));
    EXPECT_TRUE(t.contains("(H1) = 194,35"));
    for (const QString& s : t) {
        EXPECT_FALSE(s.startsWith("J(")) << s.toStdString();
        EXPECT_NE(s, "2");
    }

    // Comparison: the three curves with their legend; no data lines, no table.
    c.o.CompararCurvas = true;
    c.g.ZoomHoriz = 11.390625;
    const QByteArray svg = c.Svg();
    t = Textos(svg);
    for (const char* s : {"Gaussiana", "Lorentziana", "Combinação", "Espectro Simulado",
                          "Halvora (Corvel)", "Curva Combinada: 50% Lorentziana + 50% Gaussiana"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
    for (const QString& s : t) {
        EXPECT_FALSE(s.startsWith(QString::fromUtf8("Freqüência"))) << s.toStdString();
        EXPECT_FALSE(s.startsWith("(H")) << s.toStdString();
        EXPECT_NE(s, "X(H)=");
    }
    EXPECT_TRUE(svg.contains("#00ff00"));
    EXPECT_TRUE(svg.contains("#ff0000"));
}

TEST(Figura, GravaFiguraEArqFigura) {
    QStandardPaths::setTestModeEnabled(true);
    const QString arq = ArqFigura();
    EXPECT_TRUE(arq.endsWith("/CurPic.svg"));
    EXPECT_TRUE(QFileInfo(arq).dir().exists());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString alvo = dir.filePath("CurPic.svg");
    {
        QFile velho(alvo);
        ASSERT_TRUE(velho.open(QIODevice::WriteOnly));
        velho.write("velho");
    }
    Copia c(Sistema(3));
    ASSERT_TRUE(GravaFigura(alvo, c.g, c.e, c.o, LarguraLarga, AlturaLarga, false));
    QFile f(alvo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray lido = f.readAll();
    EXPECT_TRUE(lido.startsWith("<?xml"));
    EXPECT_TRUE(lido.contains("Espectro Simulado"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"CurPic.svg"});

    EXPECT_FALSE(GravaFigura(dir.filePath("nao/existe/CurPic.svg"), c.g, c.e, c.o, LarguraLarga,
                             AlturaLarga, false));
    EXPECT_FALSE(c.g.CopiandoFigura);
}

} // namespace
