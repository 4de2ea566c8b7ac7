// The plot widget driven through the mouse and its buttons, offscreen.
#include "DesenhoAux.h"

#include "display/AreaGrafico.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <functional>
#include <tuple>
#include <utility>

using namespace aux;

namespace {

// The program's plot after start-up: a run, then "Restaurar".
struct Plot {
    EstadoGrafico g;
    OpcoesGrafico o;
    EstadoSpin e = testes::Calcula(EntradaInicial(3));
    AreaGrafico p{g, o, e};
    int y = 0; // a row over the sticks
    Plot() {
        p.show();
        p.Restaurar();
        y = Px(g.LinhaBase) - 40;
    }
    QPoint Em(int x, int yy) const { return p.AreaInterna().topLeft() + QPoint(x, yy); }
    void Clica(int x, int yy, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(&p, b, {}, Em(x, yy));
    }
    int XBanda(int k) const { return Px(XFreq(g, e.FreqBanda(k))); }
    // One wheel notch (120) up, or down when negative, at x.
    void Roda(int x, int angulo, Qt::KeyboardModifiers teclas = {}) {
        const QPointF em = Em(x, y);
        QWheelEvent ev(em, p.mapToGlobal(em), {}, {0, angulo}, Qt::NoButton, teclas,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(&p, &ev);
    }
    std::tuple<double, double, double, double> Janela() const {
        return {g.NiInic, g.TwPerHz, g.LimLeft, g.ZoomHoriz};
    }
    // The left button down at x1, moved to x2 and let go there. `meio` runs
    // while the button is still down.
    void Arrasta(int x1, int x2, const std::function<void()>& meio = {}) {
        QTest::mousePress(&p, Qt::LeftButton, {}, Em(x1, y));
        for (int x : {(x1 + x2) / 2, x2}) {
            const QPointF em = Em(x, y);
            QMouseEvent ev(QEvent::MouseMove, em, p.mapToGlobal(em), Qt::NoButton, Qt::LeftButton,
                           {});
            QApplication::sendEvent(&p, &ev);
        }
        if (meio) meio();
        QTest::mouseRelease(&p, Qt::LeftButton, {}, Em(x2, y));
    }
    bool BarraNaVista() const { return p.rolagem()->value() == g.PosRolagem; }
};

// A click marks the band nearest the pointer, above the baseline only, with
// the table shown and out of the preview; the right button undoes the mark.
TEST(AreaGrafico, CliqueEscolheABandaMaisProximaAcimaDaBase) {
    Plot t;
    QSignalSpy escolhida(&t.p, &AreaGrafico::BandaEscolhida);
    QObject::connect(&t.p, &AreaGrafico::BandaEscolhida, &t.p, &AreaGrafico::MarcaBanda);
    const int x = t.XBanda(t.e.NBandas / 2) + 2;
    t.Clica(x, t.y);
    ASSERT_EQ(escolhida.count(), 1);
    EXPECT_EQ(t.g.IndiceMarcado, *BandaMaisProxima(t.e, FreqNoPonto(t.g, x * 15.0)));
    EXPECT_TRUE(t.g.BandaMarcada);
    t.Clica(300, t.y, Qt::RightButton);
    EXPECT_FALSE(t.g.BandaMarcada);
    t.Clica(x, Px(t.g.LinhaBase) + 5);
    t.p.DefineTabelaVisivel([] { return false; });
    t.Clica(x, t.y);
    t.p.DefineTabelaVisivel([] { return true; });
    t.p.AlternaVisualizacao();
    t.Clica(x, t.y);
    EXPECT_EQ(escolhida.count(), 1);
}

// The bar runs from the view's left edge an eighth of its width beyond the
// highest band to its right edge as far beyond the lowest, as at zoom 1,
// where the bar cannot move; the thumb is the part of that run in view. A
// band chosen out of view comes to the middle, not to just inside the edge.
TEST(AreaGrafico, RolagemMostraAFracaoVisivelEParaNosExtremos) {
    Plot t;
    QScrollBar* r = t.p.rolagem();
    const double SW = t.p.SW(), limLeft = t.g.LimLeft;
    const auto [fmax, fmin] = Extremos(t.e);
    EXPECT_EQ(r->minimum(), r->maximum());

    for (int i = 0; i < 3; ++i) t.p.ZoomH(true);
    ASSERT_LT(r->minimum(), r->maximum());
    const double vista = SW / t.g.TwPerHz; // Hz across the plot
    const double fracao = double(r->pageStep()) / (r->maximum() - r->minimum() + r->pageStep());
    EXPECT_NEAR(fracao, vista / (fmax - fmin + vista / 4), 1e-3);
    r->setValue(r->minimum() - 5000);
    EXPECT_NEAR(XFreq(t.g, fmax), SW / 8, 15);
    r->setValue(r->maximum() + 5000);
    EXPECT_NEAR(XFreq(t.g, fmin), 7 * SW / 8, 15);

    // Zooming out from an end comes back to the whole spectrum.
    for (int i = 0; i < 3; ++i) t.p.ZoomH(false);
    EXPECT_EQ(r->value(), RolagemNeutra);
    EXPECT_NEAR(t.g.LimLeft, limLeft, 1e-6);

    for (int i = 0; i < 6; ++i) t.p.ZoomH(true);
    r->setValue(r->minimum());
    int banda = 0;
    for (int k = 1; k <= t.e.NBandas && banda == 0; ++k)
        if ((t.XBanda(k) < 0 || t.XBanda(k) > Px(SW)) &&
            std::fabs(t.e.FreqBanda(k) - (fmax + fmin) / 2) < 0.3 * (fmax - fmin))
            banda = k;
    ASSERT_NE(banda, 0);
    t.p.MarcaBanda(banda);
    EXPECT_NEAR(t.XBanda(banda), Px(SW) / 2, 1);
    EXPECT_TRUE(t.BarraNaVista());
}

// The wheel zooms about the pointer up to the limit, a drag spreads the
// range it spans across the plot (a light band over it meanwhile), a double
// click and Escape restore the whole spectrum; a fixed window does none of
// it, and there a drag is a click.
TEST(AreaGrafico, RodaEArrastoAmpliamCliqueDuploEEscapeRestauram) {
    Plot t;
    QSignalSpy escolhida(&t.p, &AreaGrafico::BandaEscolhida);
    const auto inteiro = t.Janela();
    const float f = FreqNoPonto(t.g, 300 * 15.0);
    t.Roda(300, 240, Qt::ControlModifier); // two notches, or many finer ones
    EXPECT_NEAR(t.g.ZoomHoriz, 1.5 * 1.5, 1e-9);
    EXPECT_NEAR(XFreq(t.g, f), 300 * 15.0, 15);
    for (int i = 0; i < 20; ++i) t.Roda(300, 120);
    EXPECT_EQ(t.g.ZoomHoriz, ZoomHorizMaximo);
    EXPECT_TRUE(t.BarraNaVista());
    QTest::keyClick(&t.p, Qt::Key_Escape);
    EXPECT_EQ(t.Janela(), inteiro);

    const int sonda = Px(t.g.LinhaBase) / 2; // a row no control covers
    const float f1 = FreqNoPonto(t.g, 700 * 15.0), f2 = FreqNoPonto(t.g, 350 * 15.0);
    std::pair<int, int> mudados{0, 0}; // inside and outside the dragged range
    t.Arrasta(700, 350, [&] {
        const QImage tela = t.p.grab().toImage();
        for (int x = 0; x < t.p.Imagem().width(); x += 10)
            ((x >= 350 && x <= 700) ? mudados.first : mudados.second) +=
                tela.pixel(t.Em(x, sonda)) != t.p.Imagem().pixel(x, sonda);
    });
    EXPECT_GT(mudados.first, 30);
    EXPECT_EQ(mudados.second, 0);
    EXPECT_NEAR(XFreq(t.g, f1), t.p.SW(), 15);
    EXPECT_NEAR(XFreq(t.g, f2), 0, 15);
    EXPECT_TRUE(t.BarraNaVista());
    EXPECT_EQ(escolhida.count(), 0);
    t.p.ZoomV(true);
    t.p.MarcaBanda(1);
    QTest::mouseDClick(&t.p, Qt::LeftButton, {}, t.Em(500, t.y));
    EXPECT_EQ(t.Janela(), inteiro);
    EXPECT_EQ(t.g.ZoomVert, 1);
    EXPECT_FALSE(t.g.BandaMarcada);

    t.p.AlternaFixarJanela();
    t.Roda(300, 120);
    t.Arrasta(200, 600);
    EXPECT_EQ(t.Janela(), inteiro);
    EXPECT_EQ(escolhida.count(), 1);
}

// Along the top edge, in both layouts: no control over another, and the
// readout and the mix caption hold their widest texts in the program's font
// (app/main.cpp).
TEST(AreaGrafico, ControlesDoTopoSemSobreposicao) {
    const QFont antes = QApplication::font();
    QFont programa(QStringLiteral("Arial"));
    programa.setPointSizeF(8.25);
    QApplication::setFont(programa);
    for (const bool compacto : {false, true}) {
        Plot t;
        t.p.SetLayout(compacto);
        std::vector<QWidget*> controles = {t.p.rotuloTitulo(), t.p.rotuloLeitura(),
                                           t.p.botaoFixarJanela(), t.p.rotuloMisturaGrafico()};
        for (int i = 0; i < 8; ++i) controles.push_back(t.p.amostraFundo(i));
        for (std::size_t a = 0; a < controles.size(); ++a) {
            EXPECT_TRUE(t.p.AreaInterna().contains(controles[a]->geometry())) << compacto << a;
            for (std::size_t b = a + 1; b < controles.size(); ++b)
                EXPECT_FALSE(controles[a]->geometry().intersects(controles[b]->geometry()))
                    << compacto << ": " << a << " and " << b;
        }
        const auto cabe = [](QLabel* l, const char* texto) {
            return l->fontMetrics().horizontalAdvance(QString::fromUtf8(texto)) <=
                   l->contentsRect().width();
        };
        EXPECT_TRUE(cabe(t.p.rotuloLeitura(), "-12345,6 Hz  -41,152 ppm")) << compacto;
        EXPECT_TRUE(cabe(t.p.rotuloMisturaGrafico(), "100% Lorentziana + 0% Gaussiana"))
            << compacto;
    }
    QApplication::setFont(antes);
}

// A fixed window keeps its axis and scale through a new run (every shift
// 40 Hz higher, which ends in "Restaurar"); released, the new bands get theirs.
TEST(AreaGrafico, FixarJanelaMantemOEixoNumaNovaExecucao) {
    Plot t;
    QPushButton* botao = t.p.botaoFixarJanela();
    const auto janela = t.Janela();
    const double ev = t.g.EscalaVert;
    QTest::mouseClick(botao, Qt::LeftButton);
    EXPECT_FALSE(t.p.rolagem()->isEnabled());
    EntradaSimulacao in = EntradaInicial(3);
    for (double& d : in.Desloc) d += 40;
    t.e = testes::Calcula(in);
    t.g.env.EnvValida = false;
    t.g.RecalcEscala = true;
    t.p.Restaurar();
    EXPECT_EQ(t.Janela(), janela);
    EXPECT_EQ(t.g.EscalaVert, ev);
    QTest::mouseClick(botao, Qt::LeftButton);
    EXPECT_TRUE(t.p.rolagem()->isEnabled());
    EXPECT_GT(t.g.NiInic, std::get<0>(janela) + 30);
}

// The copy (to CurPic.svg unless told otherwise) leaves the preview, writes
// its file and puts the same SVG and a picture on the clipboard; a file that
// cannot be written says so and leaves the clipboard as it was (a folder
// under a plain file, not even root makes).
TEST(AreaGrafico, CopiaGravaOArquivoEAAreaDeTransferencia) {
    QStandardPaths::setTestModeEnabled(true);
    Plot t;
    EXPECT_TRUE(t.p.ArqFiguraAtual().endsWith(QStringLiteral("/CurPic.svg")));
    QTemporaryDir dir;
    const QString arq = dir.filePath(QStringLiteral("CurPic.svg"));
    t.p.DefineArqFigura(arq);
    t.p.AlternaVisualizacao();
    ASSERT_TRUE(t.p.CopiaEspectro(false));
    QFile f(arq);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QMimeData* m = QApplication::clipboard()->mimeData();
    EXPECT_EQ(m->data(QStringLiteral("image/svg+xml")), f.readAll());
    EXPECT_TRUE(m->hasImage());
    EXPECT_FALSE(t.g.CopiandoFigura || t.g.Visualizando);

    const QString comum = dir.filePath(QStringLiteral("comum"));
    QFile(comum).open(QIODevice::WriteOnly);
    t.p.DefineArqFigura(comum + QStringLiteral("/pasta/CurPic.svg"));
    QApplication::clipboard()->setText(QStringLiteral("anterior"));
    QString mensagem;
    QTimer::singleShot(0, [&] {
        if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            mensagem = caixa->text();
            caixa->accept();
        }
    });
    EXPECT_FALSE(t.p.CopiaEspectro(false));
    EXPECT_EQ(mensagem, AreaGrafico::tr("NECA DE PITIBIRIBA"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("anterior"));
}

} // namespace
