#include "display/Grafico.h"

#include "display/CorQt.h"
#include "display/EixoPpm.h"
#include "display/EnvolventeCalc.h"
#include "display/Experimental.h"
#include "display/Geometria.h"
#include "display/TraducaoNucleo.h"
#include "texto/TextoDecimal.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr Cor Branco = Rgb(255, 255, 255);
constexpr Cor Preto = Rgb(0, 0, 0);
constexpr Cor CorExperimental = Rgb(70, 130, 180);
constexpr Cor CinzaExperimentalBP = Rgb(150, 150, 150);
constexpr Cor CorRegiao = Rgb(255, 248, 200), CinzaRegiaoBP = Rgb(235, 235, 235);
constexpr Cor CorResiduo = Rgb(200, 60, 0);

// Points far outside the surface stay far outside but within what the
// rasteriser and the SVG writer handle comfortably.
constexpr int Limite = 1 << 24;
int Limita(long long v) {
    return int(std::clamp<long long>(v, -Limite, Limite));
}

// A position already in pixels, rounded half to even.
QPoint Pt(double x, double y) {
    return {Limita(ArredondaParInteiro(x)), Limita(ArredondaParInteiro(y))};
}
// A position in twips.
QPoint Tw(double x, double y) {
    return {Limita(Px(x)), Limita(Px(y))};
}

QPen Caneta(Cor c) {
    QPen p(ParaQColor(c));
    p.setWidth(1);
    // The last pixel of a line is left out, as the original 1-pixel lines do.
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

QFont Fonte(const QStringList& familias, int altura, int peso, bool italico = false) {
    QFont f;
    f.setFamilies(familias);
    f.setPixelSize(altura);
    f.setWeight(QFont::Weight(peso));
    f.setItalic(italico);
    return f;
}
QFont Arial(int altura, int peso, bool italico = false) {
    return Fonte({"Arial", "Liberation Sans"}, altura, peso, italico);
}
QFont Times(int altura, int peso, bool italico = false) {
    return Fonte({"Times New Roman", "Liberation Serif"}, altura, peso, italico);
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Text with its cell's top-left corner at `topo`, in colour `cor`; the pen
// for lines is left as it was.
void Texto(QPainter& p, QPoint topo, const QString& s, Cor cor) {
    const QPen antes = p.pen();
    p.setPen(ParaQColor(cor));
    p.drawText(topo.x(), topo.y() + QFontMetrics(p.font()).ascent(), s);
    p.setPen(antes);
}

// Text turned `graus` counter-clockwise about the top-left corner of its cell.
void TextoGirado(QPainter& p, QPoint ref, double graus, const QString& s, Cor cor) {
    p.save();
    p.setPen(ParaQColor(cor));
    p.translate(ref);
    p.rotate(-graus);
    p.drawText(0, QFontMetrics(p.font()).ascent(), s);
    p.restore();
}

struct Contexto {
    QPainter& p;
    const Superficie& s;
    EstadoGrafico& g;
    const EstadoSpin& e;
    const OpcoesGrafico& o;
    std::array<QPen, NProtMax + 1> canetas;
    bool bp; // black-and-white copy

    QPoint Ponto(double f, double I) const { return Tw(XFreq(g, f), YInt(g, I)); }
};

void MarcaDaguaPrimeiraOrdem(Contexto& c) {
    c.p.setFont(Arial(48, 700));
    TextoGirado(c.p, {100, 250}, 20,
                QCoreApplication::translate("Grafico", "Espectro de Primeira Ordem!"),
                Rgb(210, 210, 210));
}

struct LetraMaximos {
    int altura, desloc; // pixels: the font's, and the label's left of the tick
};
LetraMaximos LetraDosMaximos(const EstadoGrafico& g, const OpcoesGrafico& o) {
    if ((g.Visualizando || g.CopiandoFigura) && o.NumerosGrandes) return {16, 8};
    return {11, 6};
}

// The frequency the label of maximum k gives, and the point under its tick;
// in comparison mode, at the band.
double FreqDoMaximo(const EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int k) {
    return o.CompararCurvas && e.NBandas >= 1 ? e.FreqBanda(1) : g.env.MaxEnvFreq[std::size_t(k)];
}
QPointF PontoDoMaximo(const EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int k) {
    return {XFreq(g, FreqDoMaximo(g, e, o, k)) / 15,
            YInt(g, g.env.MaxEnvAltura[std::size_t(k)]) / 15};
}

// The maxima of the envelope: a tick above each and its frequency written
// upwards; in comparison mode, at the band, with the half-height construction.
void MaxEnvMark(Contexto& c) {
    const Envolvente& env = c.g.env;
    const Cor cor = c.bp ? Preto : Rgb(0, 0, 255);
    c.p.setPen(Caneta(cor));
    c.p.setFont(Arial(LetraDosMaximos(c.g, c.o).altura, 400));
    const std::vector<RotuloMaximo> rotulos = RotulosDosMaximos(c.g, c.e, c.o);
    for (const RotuloMaximo& r : rotulos) {
        const double x = r.ponto.x(), y = r.ponto.y();
        c.p.drawLine(Pt(x, y - 4), Pt(x, y - 15));
        if (r.escrito) TextoGirado(c.p, r.origem, 90, r.texto, cor);
        if (c.o.CompararCurvas) {
            const double yh = YInt(c.g, env.MaxEnvAltura[std::size_t(r.k)] / 2) / 15;
            c.p.drawLine(Pt(x - 400, yh), Pt(x + 400, yh));
            const double w = c.g.TwPerHz * env.MeiaLargura / 15;
            const double base = c.g.LinhaBase / 15.0;
            c.p.drawLine(Pt(x - w, y), Pt(x - w, base));
            c.p.drawLine(Pt(x + w, y), Pt(x + w, base));
        }
    }
}

// The curve through every sample. Where a pixel column holds several, it
// goes through their first, lowest, highest and last point, which paints
// the very pixels all of them would.
void Curva(Contexto& c, const std::vector<double>& valores) {
    const std::vector<double>& freq = c.g.env.EnvFreq;
    const std::size_t n = std::min(freq.size(), valores.size());
    QPolygon linha;
    linha.reserve(int(std::min<std::size_t>(n, 4 * EnvCapacidade)));
    const auto junta = [&linha](QPoint q) {
        if (linha.isEmpty() || linha.back() != q) linha << q;
    };
    for (std::size_t i = 0; i < n;) {
        const QPoint primeiro = c.Ponto(freq[i], valores[i]);
        QPoint alto = primeiro, baixo = primeiro, ultimo = primeiro;
        std::size_t iAlto = i, iBaixo = i;
        for (++i; i < n; ++i) {
            const QPoint q = c.Ponto(freq[i], valores[i]);
            if (q.x() != primeiro.x()) break;
            if (q.y() < alto.y()) alto = q, iAlto = i;
            if (q.y() > baixo.y()) baixo = q, iBaixo = i;
            ultimo = q;
        }
        junta(primeiro);
        junta(iAlto < iBaixo ? alto : baixo);
        junta(iAlto < iBaixo ? baixo : alto);
        junta(ultimo);
    }
    c.p.drawPolyline(linha);
}

void Envolventes(Contexto& c) {
    const QPen preta = Caneta(Preto);
    MaxEnvMark(c);
    c.p.setPen(preta);
    Curva(c, c.g.env.EnvComb);
    if (c.o.CompararCurvas) {
        c.p.drawLine(Tw(200, 800), Tw(400, 800));
        c.p.setPen(Caneta(Rgb(0, 255, 0)));
        Curva(c, c.g.env.EnvGauss);
        c.p.drawLine(Tw(200, 400), Tw(400, 400));
        c.p.setPen(Caneta(Rgb(255, 0, 0)));
        Curva(c, c.g.env.EnvLorentz);
        c.p.drawLine(Tw(200, 600), Tw(400, 600));
        c.p.setFont(Arial(11, 400));
        Texto(c.p, Tw(520, 280), QCoreApplication::translate("Grafico", "Gaussiana"), Preto);
        Texto(c.p, Tw(520, 480), QCoreApplication::translate("Grafico", "Lorentziana"), Preto);
        Texto(c.p, Tw(520, 680), QCoreApplication::translate("Grafico", "Combinação"), Preto);
    }
}

// The measured spectrum, under everything simulated: each pixel column from
// its lowest to its highest point, joined to the next, or standing alone
// when the file gives peaks. Grey in the black-and-white copy.
void Experimental(Contexto& c) {
    const auto colunas = ColunasExperimental(c.g, c.e, c.s.SW, c.s.SH);
    if (colunas.empty()) return;
    QPolygon traco;
    traco.reserve(int(2 * colunas.size()));
    for (const ColunaExperimental& k : colunas) {
        traco << Pt(k.x, k.yMax) << Pt(k.x, k.yMin);
    }
    c.p.setPen(Caneta(c.bp ? CinzaExperimentalBP : CorExperimental));
    if (c.g.Experimental.espectro->Picos)
        c.p.drawLines(traco);
    else
        c.p.drawPolyline(traco);
}

// The fit's regions, a light band from top to bottom behind everything.
void RegioesDoAjuste(Contexto& c) {
    const double MHz = c.e.FreqEspHz / 1e6;
    if (!c.g.Experimental.espectro || !(MHz > 0)) return;
    const QColor cor = QColor::fromRgb(c.bp ? CinzaRegiaoBP : CorRegiao);
    for (const FaixaPpm& r : c.g.Experimental.ajuste.Regioes) {
        const double a = std::clamp(XFreq(c.g, r.Max * MHz), 0.0, double(c.s.SW));
        const double b = std::clamp(XFreq(c.g, r.Min * MHz), 0.0, double(c.s.SW));
        if (b > a) c.p.fillRect(QRectF(a / 15, 0, (b - a) / 15, c.s.SH / 15.0), cor);
    }
}

// After an applied fit the plot keeps a band under the ppm scale for
// measured - fitted, at the measured trace's scale about its middle.
bool ComResiduo(const EstadoGrafico& g) {
    return g.Experimental.espectro && g.Experimental.ajuste.ComResiduo();
}
int AlturaResiduo(const EstadoGrafico& g, int SH) {
    return ComResiduo(g) ? SH / 5 : 0;
}

void ResiduoDoAjuste(Contexto& c, int topo) {
    const int altura = AlturaResiduo(c.g, c.s.SH);
    if (altura == 0) return;
    const double zero = topo + altura / 2.0;
    c.p.save();
    c.p.setClipRect(QRectF(0, topo / 15.0, c.s.SW / 15.0, altura / 15.0));
    c.p.setPen(Caneta(CinzaExperimentalBP));
    c.p.drawLine(Pt(0, zero / 15), Pt(c.s.SW / 15.0, zero / 15));
    c.p.setPen(Caneta(c.bp ? Preto : CorResiduo));
    for (const auto& traco : TracosDoResiduo(c.g, c.e, c.s.SW, c.s.SH, zero)) {
        QPolygonF linha;
        for (const PontoResiduo& k : traco) linha << QPointF(k.x, k.y);
        if (linha.size() >= 2) c.p.drawPolyline(linha);
    }
    c.p.restore();
}

// One vertical line per band, in the colour of the proton that flips. Runs
// of bands with the same pen go out in one call, in band order, so the
// overlaps come out as they would line by line.
void Palitos(Contexto& c) {
    const EstadoSpin& e = c.e;
    const int base = Limita(Px(c.g.LinhaBase));
    std::vector<QLine> lote;
    lote.reserve(std::size_t(std::min(e.NBandas, 1 << 16)));
    int corLote = -1;
    auto descarrega = [&] {
        if (lote.empty()) return;
        c.p.setPen(c.canetas[std::size_t(corLote)]);
        c.p.drawLines(lote.data(), int(lote.size()));
        lote.clear();
    };
    for (int k = 1; k <= e.NBandas; ++k) {
        const int prot = e.ProtBanda(k);
        if (c.g.FiltroAtivo && prot != c.g.ProtFiltro) continue;
        int cor = std::clamp(prot, 0, e.NProt);
        if (!c.o.Colorido || c.bp) cor = 1;
        if (cor != corLote) {
            descarrega();
            corLote = cor;
        }
        const int x = Limita(Px(XFreq(c.g, e.FreqBanda(k))));
        lote.emplace_back(x, base, x, Limita(Px(YInt(c.g, e.IntBanda(k)))));
    }
    descarrega();
}

void BandaMarcada(Contexto& c) {
    const double xs = XFreq(c.g, c.g.FreqMarcada);
    const int k = c.g.IndiceMarcado;
    const double topo = YInt(c.g, k >= 1 && k <= c.e.NBandas ? c.e.IntBanda(k) : 0.0);
    c.p.setPen(Caneta(Preto));
    c.p.drawEllipse(QPointF(Tw(xs, c.g.LinhaBase)), 50.0 / 15, 50.0 / 15);
    const QPoint ponta = Tw(xs, topo - 200);
    c.p.drawLine(ponta, Tw(xs, topo - 1000));
    c.p.drawLine(ponta, Tw(xs - 60, topo - 350));
    c.p.drawLine(ponta, Tw(xs + 60, topo - 350));
}

// The proton labels hang this far below the baseline, in twips.
constexpr int DescidaRotulo = 150;
QFont FonteRotulos() {
    return Arial(11, 700);
}
// From the baseline to the bottom of the labels, in twips.
int AlturaRotulos() {
    return DescidaRotulo + 15 * QFontMetrics(FonteRotulos()).height();
}

// Under the baseline, a marker at each proton's shift labelled Hn; labels of
// close protons are spread apart by a jog.
void MarcadoresProtons(Contexto& c) {
    const EstadoSpin& e = c.e;
    const int N = std::min(e.NProt, NProtMax);
    std::array<double, NProtMax + 1> x{};
    for (int i = 1; i <= N; ++i) x[std::size_t(i)] = XFreq(c.g, e.FreqProt(i) - e.FreqEspHz);
    const auto off = DeslocamentosRotulos(x, N);
    const double lb = c.g.LinhaBase;
    c.p.setFont(FonteRotulos());
    for (int i = 1; i <= N; ++i) {
        const double xi = x[std::size_t(i)], xo = xi + double(off[std::size_t(i)]);
        const QPen& propria = c.canetas[std::size_t(i)];
        const bool cores = c.o.Colorido && !c.bp;
        c.p.setPen(cores && off[std::size_t(i)] == 0 ? propria : c.canetas[1]);
        QPolygon traco;
        traco << Tw(xi, lb) << Tw(xi, lb + 50) << Tw(xo, lb + 50);
        c.p.drawPolyline(traco);
        c.p.setPen(cores ? propria : c.canetas[1]);
        const Cor corTexto = cores ? c.g.CorProt[std::size_t(i)] : Preto;
        c.p.drawLine(Tw(xo, lb + 50), Tw(xo, lb + DescidaRotulo));
        Texto(c.p, Tw(xo - 100, lb + DescidaRotulo), QStringLiteral("H%1").arg(i), corTexto);
    }
}

// The ppm scale hangs under the proton labels: a rule this far below them,
// ticks down from it and their labels under the ticks, with as much room
// again under the labels, in twips.
constexpr int FolgaEixo = 45, Tique = 60, DescidaNumeros = 75;
QFont FonteEixo() {
    return Arial(11, 400);
}
// From the bottom of the proton labels to the bottom of the scale.
int AlturaEixo() {
    return 2 * FolgaEixo + DescidaNumeros + 15 * QFontMetrics(FonteEixo()).height();
}
// The scale takes its room from above the lines: it is drawn while the
// tallest line keeps AcimaDosPicos over it. A plot as wide as the wide
// layout's, shortened on a laptop's screen, draws its lines lower for it
// (AlturaDosPicos), down to a third of its height; narrower pictures, the
// compact plot among them, keep their lines where they were. The line
// shapes of one band are compared in Hz: no scale then either.
bool ComEixo(const Superficie& s, const OpcoesGrafico& o) {
    const int visivel = std::min(s.alturaVisivel, s.SH);
    const double base = std::min(s.SH * 0.9, double(visivel - AlturaRotulos() - AlturaEixo()));
    const double picos = s.SW >= LarguraLarga ? s.SH / 3.0 : s.SH / 1.5;
    return !o.CompararCurvas && base - picos >= AcimaDosPicos;
}

// The chemical shift scale of the view, in ppm at the run's frequency, read
// from left to right like the spectrum. "ppm" at its right end.
void EscalaPpm(Contexto& c) {
    const double topo = c.g.LinhaBase + AlturaRotulos() + FolgaEixo;
    const QFont fonte = FonteEixo();
    const QFontMetricsF m(fonte);
    c.p.setFont(fonte);
    c.p.setPen(Caneta(Preto));
    c.p.drawLine(Tw(0, topo), Tw(c.s.SW, topo));
    const QString unidade = QStringLiteral("ppm");
    const double xUnidade = c.s.SW - 60 - 15 * m.horizontalAdvance(unidade);
    const double yNumeros = topo + DescidaNumeros;
    Texto(c.p, Tw(xUnidade, yNumeros), unidade, Preto);
    const auto largura = [&m](const std::string& t) { return 15 * m.horizontalAdvance(Q(t)); };
    for (const MarcaPpm& k :
         MarcasPpm(c.g, c.e.FreqEspHz / 1e6, c.s.SW, c.o.SepDec, largura, 300, xUnidade - 150)) {
        c.p.drawLine(Tw(k.x, topo), Tw(k.x, topo + Tique));
        if (!k.texto.empty())
            Texto(c.p, Tw(k.x - largura(k.texto) / 2, yNumeros), Q(k.texto), Preto);
    }
}

// The average character width a font asks for is measured the classic way:
// lowercase letters and the space weighted by their frequency in English
// text. Qt's own average runs over every glyph and is far wider.
double LarguraMedia(const QFont& f) {
    static constexpr std::array<int, 27> peso = {64, 14, 27, 35, 100, 20, 14, 42, 63,
                                                 3,  6,  35, 20, 56,  56, 17, 4,  49,
                                                 56, 71, 31, 10, 18,  3,  18, 2,  166};
    const QFontMetricsF m(f);
    double soma = 0;
    for (std::size_t i = 0; i < peso.size(); ++i)
        soma += peso[i] * m.horizontalAdvance(i < 26 ? QChar(char16_t(u'a' + i)) : QChar(u' '));
    return soma / 1000;
}

double Largura(const QFont& f, const QString& s) {
    return QFontMetricsF(f).horizontalAdvance(s);
}

QFont FonteTitulo() {
    return Times(18, 700);
}
QFont FonteCredito() {
    return Times(16, 700);
}
// "ms sans serif" 14 is served by its 8-point raster face, whose letters
// are those of an 11-pixel sans; at 14 pixels the mix line would run into
// the credit line.
QFont FonteCanto() {
    return Fonte({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans"}, 11, 400);
}
QFont FonteDeslocamento() {
    return Arial(14, 400);
}
QString TituloFigura() {
    return QCoreApplication::translate("Grafico", "Espectro Simulado");
}
const QString Credito = QStringLiteral("Halvora (Corvel)");

// "Times New Roman" 18 with an average character width of 16 pixels: the
// glyphs are stretched sideways to that width, here `esticado` times their own.
void TituloLargo(QPainter& p, QPoint topo, double esticado) {
    const QFont f = FonteTitulo();
    p.setFont(f);
    p.save();
    p.setPen(ParaQColor(Preto));
    p.translate(topo);
    p.scale(esticado, 1);
    p.drawText(0, QFontMetrics(f).ascent(), TituloFigura());
    p.restore();
}

// The bottom line under the plot, in pixels from the left edge.
struct Rodape {
    double esticado; // the title's sideways stretch
    double xMistura, xCredito;
};
constexpr double XTitulo = 5, XMistura = 350, Folga = 12;

QString LinhaMistura(const OpcoesGrafico& o) {
    return QCoreApplication::translate("Grafico", "Curva Combinada: %1")
        .arg(TraduzNucleo(TextoMistura(o.Mistura)));
}

// The credit keeps its place where the mix line leaves room for it; a
// narrower picture takes it to the right edge, and one narrower still moves
// the mix line left, the title giving up as much of its stretch as that
// needs. The envelope, and with it the mix line, may come and go: the
// credit stays put.
Rodape LayoutRodape(double W, const OpcoesGrafico& o) {
    const double media = LarguraMedia(FonteTitulo());
    const double titulo = Largura(FonteTitulo(), TituloFigura());
    const double mistura = Largura(FonteCanto(), LinhaMistura(o));
    Rodape r{media > 0 ? 16 / media : 1, XMistura, W - 4200.0 / 15};
    if (r.xCredito >= XMistura + mistura + Folga) return r;
    r.xCredito = W - Folga - Largura(FonteCredito(), Credito);
    const double antesDoCredito = r.xCredito - Folga - mistura;
    if (antesDoCredito < XMistura && titulo > 0) {
        r.esticado = std::clamp((antesDoCredito - Folga - XTitulo) / titulo, 1.0, r.esticado);
        r.xMistura = std::max(antesDoCredito, XTitulo + titulo * r.esticado + Folga);
    }
    r.xCredito = std::max(r.xCredito, r.xMistura + mistura + Folga);
    return r;
}

// The corner's lines, a row of 20 pixels each from the top: the run's
// parameters, then the measured spectrum's file.
QStringList LinhasDoCanto(const EstadoGrafico& g, const OpcoesGrafico& o) {
    const auto tr = [](const char* t) { return QCoreApplication::translate("Grafico", t); };
    QStringList l{tr("Freqüência: %1 MHz    Largura a meia altura: %2 Hz")
                      .arg(Q(o.TextoFrequencia), Q(o.TextoLargura)),
                  tr("Intensidade mínima: %1").arg(Q(o.TextoIntMin)),
                  tr("Título: %1").arg(Q(o.TituloEspectro))};
    if (g.Experimental.espectro) l << TraduzNucleo(LinhaExperimental(g.Experimental, o.SepDec));
    if (g.Experimental.espectro && g.Experimental.ajuste.ComResiduo())
        l << TraduzNucleo(LinhaResiduo(g.Experimental.ajuste, o.SepDec));
    return l;
}

// Proton i's shift, written after a Greek nu in the row under the corner's lines.
constexpr double XNu = 5, XDeslocamento = 18;
QString LinhaDeslocamento(const EstadoSpin& e, const OpcoesGrafico& o, int i) {
    const std::string d = FormataGeral(e.FreqProt(i) - e.FreqEspHz, 2, o.SepDec);
    return Q("(H" + FormataInteiro(i) + ") = " + d);
}

// The coupling table's columns, 40 pixels each, end at the right edge; row
// r of the table (0 its header, then J(r,X)) starts r - 1 columns in.
double InicioTabelaJ(double W, int N, int linha) {
    return W - 40.0 * N - 5 + 40.0 * std::max(linha - 1, 0);
}

// The left column, row by row: where each row's text ends, in pixels.
std::vector<double> FinsDasLinhas(const EstadoGrafico& g, const EstadoSpin& e,
                                  const OpcoesGrafico& o) {
    std::vector<double> fins;
    for (const QString& s : LinhasDoCanto(g, o)) fins.push_back(XNu + Largura(FonteCanto(), s));
    const int N = std::min(e.NProt, NProtMax);
    for (int i = 1; i <= N; ++i)
        fins.push_back(XDeslocamento + Largura(FonteDeslocamento(), LinhaDeslocamento(e, o, i)));
    return fins;
}

void Moldura(Contexto& c) {
    const double SW = c.s.SW, SH = c.s.SH;
    const double W = SW / 15, B = (SH + 500) / 15;
    c.p.setPen(c.canetas[1]);
    QPolygon moldura;
    moldura << Pt(W, 1) << Pt(W, B) << Pt(1, B) << Pt(0, B - 1) << Pt(0, 0) << Pt(W - 1, 0)
            << Pt(W - 1, B - 1) << Pt(0, B - 1);
    c.p.drawPolyline(moldura);
    c.p.drawLine(Pt(0, (SH - 100) / 15), Pt(W, (SH - 100) / 15));
}

void LinhaDeBaixo(Contexto& c) {
    QPainter& p = c.p;
    const double H = c.s.SH / 15.0;
    const Rodape r = LayoutRodape(c.s.SW / 15.0, c.o);
    TituloLargo(p, Pt(XTitulo, H), r.esticado);
    p.setFont(FonteCredito());
    Texto(p, Pt(r.xCredito, H + 2), Credito, Preto);
    if (c.g.env.EnvolventeLigada) {
        p.setFont(FonteCanto());
        Texto(p, Pt(r.xMistura, H + 4), LinhaMistura(c.o), Preto);
    }
}

void TabelaJ(Contexto& c, int N) {
    QPainter& p = c.p;
    const double W = c.s.SW / 15.0;
    const double Lx = InicioTabelaJ(W, N, 0) - 15;
    p.setFont(Arial(12, 700, true));
    Texto(p, Pt(Lx + 15, 1), QStringLiteral("X(H)="), Preto);
    for (int j = 2; j <= N; ++j) Texto(p, Pt(Lx - 5 + 40 * j, 1), QString::number(j), Preto);
    for (int i = 1; i < N; ++i)
        Texto(p, Pt(InicioTabelaJ(W, N, i), 20 * i + 1), QStringLiteral("J(%1,X)=").arg(i), Preto);
    p.setFont(Arial(11, 400));
    for (int i = 1; i < N; ++i) {
        for (int j = i + 1; j <= N; ++j) {
            const double J = c.e.ValJ(i, j);
            const std::string s = FormatValSinal(J, c.o.SepDec);
            const double pad = 6.0 * (6 - double(s.size())) + (J < 0 ? 2 : 0);
            Texto(p, Pt(40 * j + Lx - 20 + pad, 20 * i + 1), Q(s), Preto);
        }
    }
}

// The frame and annotation block of copies and the preview.
void Anotacoes(Contexto& c) {
    QPainter& p = c.p;
    Moldura(c);
    LinhaDeBaixo(c);
    if (c.o.CompararCurvas) return;

    const QStringList canto = LinhasDoCanto(c.g, c.o);
    const int N = std::min(c.e.NProt, NProtMax);
    for (int i = 1; i <= N; ++i) {
        const int y = 20 * (i + int(canto.size()) - 1);
        // The Greek nu of the original Symbol font, as a Unicode letter.
        p.setFont(Times(14, 400, true));
        Texto(p, Pt(XNu, y), QStringLiteral("ν"), Preto);
        p.setFont(FonteDeslocamento());
        Texto(p, Pt(XDeslocamento, y), LinhaDeslocamento(c.e, c.o, i), Preto);
    }
    p.setFont(FonteCanto());
    for (int k = 0; k < canto.size(); ++k) Texto(p, Pt(XNu, k == 0 ? 1 : 20 * k), canto[k], Preto);
    TabelaJ(c, N);
}

} // namespace

std::vector<RotuloMaximo> RotulosDosMaximos(const EstadoGrafico& g, const EstadoSpin& e,
                                            const OpcoesGrafico& o) {
    const LetraMaximos letra = LetraDosMaximos(g, o);
    const QFont fonte = Arial(letra.altura, 400);
    const QFontMetricsF metricas(fonte);
    const int n = std::min(g.env.MaxEnvCount, MaxEnvCapacidade);
    std::vector<RotuloMaximo> r;
    r.reserve(std::size_t(std::max(n, 0)));
    for (int k = 1; k <= n; ++k) {
        const QPointF ponto = PontoDoMaximo(g, e, o, k);
        const QString texto = Q(FormataGeral(FreqDoMaximo(g, e, o, k), 1, o.SepDec));
        const QPoint origem = Pt(ponto.x() - letra.desloc, ponto.y() - 18);
        // Turned upwards about its cell's top-left corner: the cell runs up
        // from there, one line height across.
        const double comprimento = metricas.horizontalAdvance(texto);
        const QRectF caixa(origem.x(), origem.y() - comprimento, metricas.height(), comprimento);
        r.push_back({k, ponto, origem, caixa, texto, false});
    }
    // The tallest maxima are written first; a label that would run into one
    // already written is left out, its tick kept.
    std::vector<std::size_t> ordem(r.size());
    for (std::size_t i = 0; i < ordem.size(); ++i) ordem[i] = i;
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) {
        return g.env.MaxEnvAltura[std::size_t(r[a].k)] > g.env.MaxEnvAltura[std::size_t(r[b].k)];
    });
    std::vector<QRectF> ocupado;
    for (std::size_t i : ordem) {
        // A pixel between two labels, so they never touch.
        const QRectF folga = r[i].caixa.adjusted(-1, -1, 1, 1);
        r[i].escrito = std::none_of(ocupado.begin(), ocupado.end(),
                                    [&](const QRectF& q) { return q.intersects(folga); });
        if (r[i].escrito) ocupado.push_back(r[i].caixa);
    }
    return r;
}

TamanhoTwips MinimoDaCopia(const EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o) {
    // The proton labels hang in the tenth of the plot under the baseline,
    // above the line that closes the plot.
    TamanhoTwips m{0, 10 * (AlturaRotulos() + 100)};
    const double titulo = XTitulo + Largura(FonteTitulo(), TituloFigura());
    const double mistura = Largura(FonteCanto(), LinhaMistura(o));
    double W = titulo + mistura + Largura(FonteCredito(), Credito) + 3 * Folga;
    if (!o.CompararCurvas) {
        const std::vector<double> fins = FinsDasLinhas(g, e, o);
        const int N = std::min(e.NProt, NProtMax);
        // Each row's text clear of the coupling table's row beside it.
        for (int k = 0; k < std::min(int(fins.size()), N); ++k)
            W = std::max(W, fins[std::size_t(k)] + Folga - InicioTabelaJ(0, N, k));
        // The shifts' column above the baseline, with room for a line's label.
        const double fimColuna =
            20.0 * double(fins.size() - 1) + QFontMetricsF(FonteDeslocamento()).height() + 20;
        m.SH = std::max(m.SH, int(std::ceil(15 * fimColuna / 0.9)));
    }
    m.SW = int(std::ceil(15 * W));
    return m;
}

std::optional<int> Grafico(Superficie s, EstadoGrafico& g, const EstadoSpin& e,
                           const OpcoesGrafico& o) {
    if (e.NProt <= 0) return std::nullopt;
    QPainter& p = s.p;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setBrush(Qt::NoBrush);

    Contexto c{p, s, g, e, o, {}, g.CopiandoFigura && g.CopiaBP};
    const Cor fundo = g.Visualizando ? Branco : g.CorFundo;
    const int N = std::min(e.NProt, NProtMax);
    c.canetas[0] = Caneta(fundo != Branco && !g.CopiandoFigura ? Branco : CinzaCombinacao);
    for (int k = 1; k <= N; ++k) c.canetas[std::size_t(k)] = Caneta(g.CorProt[std::size_t(k)]);
    p.setPen(c.canetas[1]);

    if (e.PrimOrdem) MarcaDaguaPrimeiraOrdem(c);
    // The centre line is where a selected band is brought to; the preview
    // shows what a copy holds, and copies hold no mark.
    if (s.tela && g.BandaMarcada && !g.Visualizando) {
        p.setPen(Caneta(Rgb(255, 192, 128)));
        p.drawLine(Tw((s.SW + 1) / 2.0, 0), Tw((s.SW + 1) / 2.0, s.SH));
    }
    const bool eixo = ComEixo(s, o);
    const int escala = AlturaRotulos() + (eixo ? AlturaEixo() : 0);
    const int abaixo = escala + AlturaResiduo(g, s.SH);
    CalculaLinhaBase(g, s.SH, std::min(s.alturaVisivel, s.SH) - abaixo);
    if (s.tela) {
        p.setPen(Caneta(Preto));
        p.drawLine(Tw(0, g.LinhaBase), Tw(s.SW, g.LinhaBase));
    }
    CalculaJanela(g, e, s.SW);
    const std::optional<int> rolagem = RolagemParaBanda(g, s.SW);

    if (g.env.EnvolventeLigada)
        PreparaEnvolvente(g, e, o, s.SH);
    else
        EscalaDosPalitos(g, e, s.SH);
    RegioesDoAjuste(c);
    Experimental(c);
    ResiduoDoAjuste(c, g.LinhaBase + escala);
    if (g.env.EnvolventeLigada) Envolventes(c);
    if (!g.HistogramaOculto) Palitos(c);
    if (s.tela && g.BandaMarcada && !g.Visualizando) BandaMarcada(c);
    MarcadoresProtons(c);
    if (eixo) EscalaPpm(c);

    p.setPen(c.canetas[1]);
    p.drawLine(Pt(0, g.LinhaBase / 15.0), Pt(s.SW / 15.0, g.LinhaBase / 15.0));
    if (g.CopiandoFigura || g.Visualizando) Anotacoes(c);
    p.restore();
    return rolagem;
}
