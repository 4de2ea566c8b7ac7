#include "display/Geometria.h"
#include "display/Picture1.h"
#include "run/Simulacao.h"
#include "run/TextoDecimal.h"
#include "run/ValoresIniciais.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

EntradaSimulacao Sistema(double somaDesloc = 0) {
    EntradaSimulacao in;
    for (int i = 0; i < 3; ++i) in.Desloc.push_back(DeslocInicial[i] + somaDesloc);
    in.J = {JInicial(1, 2), JInicial(1, 3), JInicial(2, 3)};
    return in;
}

// The program's plot after start-up: a run, then "Restaurar".
struct Plot {
    EstadoGrafico g;
    OpcoesGrafico o;
    EstadoSpin e, trabalho;
    std::unique_ptr<Picture1> p;

    Plot() {
        Roda(Sistema());
        p = std::make_unique<Picture1>(g, o, e);
        p->show();
        p->Restaurar();
    }
    void Roda(const EntradaSimulacao& in) {
        ObservadorSimulacao nada;
        EXPECT_FALSE(Simula(in, e, trabalho, nada));
        g.env.EnvValida = false;
        g.RecalcEscala = true;
    }
    QPoint Ponto(int x, int y) const { return p->AreaInterna().topLeft() + QPoint(x, y); }
    // The readout at inner pixel (x, y). The offscreen platform moves the
    // pointer only to a new position.
    QString Leitura(int x, int y) {
        QTest::mouseMove(p.get(), Ponto(x, y) + QPoint(1, 1));
        QTest::mouseMove(p.get(), Ponto(x, y));
        return p->Label13()->text();
    }
    double LeituraNum(int x, int y) {
        return ConverteNumero(Leitura(x, y).toStdString(), o.SepDec).value_or(NAN);
    }
    void Clica(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        Leitura(x, y);
        QTest::mouseClick(p.get(), b, {}, Ponto(x, y));
    }
    int Base() const { return Px(g.LinhaBase); }
    int XBanda(int k) const { return Px(XFreq(g, e.FreqBanda(k))); }
    QRgb Fundo() const { return p->Imagem().pixel(2, 300); }
};

TEST(Picture1, TamanhosLeituraECursor) {
    Plot t;
    for (bool compacto : {false, true}) {
        t.p->SetLayout(compacto);
        const QSize dentro = compacto ? QSize(773, 365) : QSize(963, 429);
        EXPECT_EQ(t.p->Imagem().size(), dentro);
        EXPECT_EQ(t.p->size(), dentro + QSize(4, 4));
        EXPECT_EQ(t.g.env.EnvPontos, dentro.width());
        EXPECT_EQ(t.p->HScroll1()->geometry(),
                  QRect(t.Ponto(0, dentro.height() - 17), QSize(dentro.width(), 17)));
        EXPECT_EQ(t.p->Command3()->geometry(), QRect(t.Ponto(432, 0), QSize(97, 17)));
        EXPECT_GT(t.p->Label17()->geometry().left(), t.p->Command3()->geometry().right());
    }
    t.p->SetLayout(false);
    t.p->Restaurar();
    EXPECT_EQ(t.Fundo(), qRgb(240, 224, 192));

    for (char sep : {',', '.'}) {
        t.o.SepDec = sep;
        const QString s = t.Leitura(400, t.Base() - 10);
        EXPECT_NEAR(t.LeituraNum(400, t.Base() - 10),
                    t.g.NiInic - (400 * 15 - t.g.LimLeft) / t.g.TwPerHz, 0.05 + 1e-6);
        // One decimal at most, and only the user's separator.
        EXPECT_TRUE(s.indexOf(QChar(sep)) < 0 || s.indexOf(QChar(sep)) == s.size() - 2);
        EXPECT_EQ(s.indexOf(QChar(sep == ',' ? '.' : ',')), -1) << s.toStdString();
        EXPECT_EQ(t.p->cursor().shape(), Qt::CrossCursor);
        t.Leitura(400, t.Base() + 5);
        EXPECT_EQ(t.p->cursor().shape(), Qt::ArrowCursor);
    }
}

TEST(Picture1, ZoomMantemOCentroEHScroll1MoveOEspectro) {
    Plot t;
    const int y = t.Base() - 30, centro = 481;
    for (int rolagem : {HScrollNeutro, HScrollNeutro - 2000, HScrollNeutro + 3500}) {
        t.p->Restaurar();
        t.p->HScroll1()->setValue(rolagem);
        const double f0 = t.LeituraNum(centro, y), lado0 = t.LeituraNum(50, y);
        t.p->ZoomH(true);
        t.p->ZoomH(true);
        EXPECT_NEAR(t.LeituraNum(centro, y), f0, 0.11) << rolagem;
        // Away from the centre the frequencies close in on it.
        EXPECT_NEAR(t.LeituraNum(50, y) - f0, (lado0 - f0) / 2.25, 0.2) << rolagem;
        t.p->ZoomH(false);
        t.p->ZoomH(false);
        EXPECT_NEAR(t.LeituraNum(50, y), lado0, 0.11) << rolagem;
    }
    const double escala = t.g.EscalaVert;
    t.p->ZoomV(true);
    EXPECT_DOUBLE_EQ(t.g.EscalaVert, escala * 1.5);

    t.p->Restaurar();
    const double f = t.LeituraNum(300, y);
    const QImage antes = t.p->Imagem();
    // The thumb to the left: the spectrum moves right, 1500 twips = 100 pixels,
    // the whole picture but the centre line.
    t.p->HScroll1()->setValue(HScrollNeutro - 1500);
    EXPECT_NEAR(t.LeituraNum(300, y), f + 1500 / t.g.TwPerHz, 0.11);
    EXPECT_EQ(t.p->Imagem().copy(100, 0, 380, 429), antes.copy(0, 0, 380, 429));
    // The thumb to the right moves it left, by the zoomed offset.
    t.p->ZoomH(true);
    t.p->HScroll1()->setValue(HScrollNeutro + 1000);
    EXPECT_DOUBLE_EQ(t.g.DeslocHoriz, -1500);
}

TEST(Picture1, FundosETitulo) {
    Plot t;
    QSignalSpy mudou(t.p.get(), &Picture1::FundoMudou);
    for (int i : {7, 0, 2, 6}) {
        QTest::mouseClick(t.p->Label8(i), Qt::LeftButton);
        const QColor cor = t.p->Label8(i)->palette().color(QPalette::Window);
        EXPECT_EQ(t.g.CorFundo, CoresFundo[std::size_t(i)]);
        EXPECT_EQ(t.g.CorProt[0], i == 7 ? Rgb(160, 160, 160) : Rgb(255, 255, 255));
        EXPECT_EQ(t.Fundo(), cor.rgb());
        EXPECT_EQ(t.p->Label7()->palette().color(QPalette::Window), cor);
        EXPECT_EQ(t.p->Label17()->palette().color(QPalette::Window), cor);
    }
    EXPECT_EQ(mudou.count(), 4);
    // Clicks on the labels select no band underneath; a double click on the
    // title asks for a new one.
    QSignalSpy banda(t.p.get(), &Picture1::BandaEscolhida);
    QSignalSpy titulo(t.p.get(), &Picture1::TituloClicado);
    QTest::mouseClick(t.p->Label7(), Qt::LeftButton);
    QTest::mouseDClick(t.p->Label7(), Qt::LeftButton);
    EXPECT_EQ(banda.count(), 0);
    EXPECT_EQ(titulo.count(), 1);
}

TEST(Picture1, CliqueEscolheABandaMaisProximaAcimaDaBase) {
    Plot t;
    bool tabela = true;
    t.p->DefineTabelaVisivel([&] { return tabela; });
    QSignalSpy escolhida(t.p.get(), &Picture1::BandaEscolhida);
    QObject::connect(t.p.get(), &Picture1::BandaEscolhida, t.p.get(), &Picture1::MarcaBanda);
    const int y = t.Base() - 40;
    for (int k : {1, t.e.NBandas / 2, t.e.NBandas}) {
        const int x = t.XBanda(k) + 2;
        const double f = t.g.NiInic - (x * 15 - t.g.LimLeft) / t.g.TwPerHz;
        int esperada = 1;
        for (int b = 2; b <= t.e.NBandas; ++b)
            if (std::fabs(t.e.FreqBanda(b) - f) < std::fabs(t.e.FreqBanda(esperada) - f))
                esperada = b;
        escolhida.clear();
        t.Clica(x, y);
        ASSERT_EQ(escolhida.count(), 1);
        EXPECT_EQ(escolhida.at(0).at(0).toInt(), esperada);
        EXPECT_TRUE(t.g.BandaMarcada);
        EXPECT_EQ(t.g.IndiceMarcado, esperada);
    }
    QSignalSpy realce(t.p.get(), &Picture1::DesfazRealce);
    t.Clica(300, y, Qt::RightButton);
    EXPECT_FALSE(t.g.BandaMarcada);
    t.Clica(300, y, Qt::RightButton); // nothing marked: nothing to undo
    EXPECT_EQ(realce.count(), 1);

    // Below the baseline, with the table hidden, without sticks or in the
    // preview nothing is selected.
    escolhida.clear();
    t.Clica(t.XBanda(1), t.Base() + 5);
    tabela = false;
    t.Clica(t.XBanda(1), y);
    tabela = true;
    t.g.HistogramaOculto = true;
    t.Clica(t.XBanda(1), y);
    t.g.HistogramaOculto = false;
    t.p->AlternaVisualizacao();
    t.Clica(t.XBanda(1), y);
    EXPECT_EQ(escolhida.count(), 0);

    // A band marked out of view is scrolled to, 100 twips inside the edge.
    t.p->Restaurar();
    for (int i = 0; i < 3; ++i) t.p->ZoomH(true);
    t.p->MarcaBanda(1);
    const double x = XFreq(t.g, t.e.FreqBanda(1));
    EXPECT_NEAR(std::min(x, t.p->SW() - x), 100, 2);
    EXPECT_FALSE(t.g.RolarParaBanda);
    EXPECT_EQ(t.g.HScroll1, t.p->HScroll1()->value());
}

TEST(Picture1, FixarJanelaMantemOEixoNumaNovaExecucao) {
    Plot t;
    QSignalSpy fixada(t.p.get(), &Picture1::JanelaFixada);
    QTest::mouseClick(t.p->Command3(), Qt::LeftButton);
    EXPECT_EQ(t.p->Command3()->text(), QStringLiteral("Liberar Janela"));
    EXPECT_TRUE(t.p->Command3()->toolTip().startsWith(QStringLiteral("Use este comando para lib")));
    EXPECT_FALSE(t.p->HScroll1()->isEnabled());
    EXPECT_TRUE(fixada.last().at(0).toBool());

    const double ni = t.g.NiInic, tw = t.g.TwPerHz, lim = t.g.LimLeft;
    const int y = t.Base() - 30;
    const QString f = t.Leitura(200, y);
    // Every shift 40 Hz higher; a run ends in "Restaurar".
    t.Roda(Sistema(40));
    t.p->Restaurar();
    EXPECT_EQ(t.g.NiInic, ni);
    EXPECT_EQ(t.g.TwPerHz, tw);
    EXPECT_EQ(t.g.LimLeft, lim);
    EXPECT_EQ(t.Leitura(200, y), f);

    t.e.MatrizesPend = false;
    QTest::mouseClick(t.p->Command3(), Qt::LeftButton);
    EXPECT_EQ(t.p->Command3()->text(), QStringLiteral("Fixar Janela"));
    EXPECT_TRUE(t.p->Command3()->toolTip().startsWith(QStringLiteral("Use este comando para man")));
    EXPECT_TRUE(t.p->HScroll1()->isEnabled());
    EXPECT_FALSE(fixada.last().at(0).toBool());
    EXPECT_TRUE(t.e.MatrizesPend);
    EXPECT_GT(t.g.NiInic, ni + 30); // the new bands' own window
}

TEST(Picture1, RestaurarEVisualizacao) {
    Plot t;
    QSignalSpy visual(t.p.get(), &Picture1::VisualizacaoMudou);
    t.p->ZoomH(true);
    t.p->ZoomV(false);
    t.p->HScroll1()->setValue(20000);
    t.g.FiltroAtivo = true;
    t.p->MarcaBanda(2);
    EXPECT_TRUE(t.p->AlternaVisualizacao());
    for (QWidget* w : {static_cast<QWidget*>(t.p->Label13()), static_cast<QWidget*>(t.p->Label8(0)),
                       static_cast<QWidget*>(t.p->Label7()), static_cast<QWidget*>(t.p->Label17())})
        EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(t.Fundo(), qRgb(255, 255, 255));
    t.Leitura(300, 100); // the preview keeps them hidden
    EXPECT_FALSE(t.p->Label13()->isVisible());

    QSignalSpy realce(t.p.get(), &Picture1::DesfazRealce);
    QSignalSpy restaurado(t.p.get(), &Picture1::Restaurado);
    t.p->Restaurar();
    EXPECT_EQ(restaurado.count(), 1);
    EXPECT_EQ(t.g.ZoomHoriz, 1);
    EXPECT_EQ(t.g.ZoomVert, 1);
    EXPECT_EQ(t.p->HScroll1()->value(), HScrollNeutro);
    EXPECT_EQ(t.g.DeslocHoriz, 0);
    EXPECT_FALSE(t.g.FiltroAtivo);
    EXPECT_FALSE(t.g.BandaMarcada);
    EXPECT_FALSE(t.g.Visualizando);
    EXPECT_EQ(realce.count(), 1);
    EXPECT_EQ(t.Fundo(), qRgb(240, 224, 192));
    EXPECT_EQ(visual.count(), 2);
    // The labels come back with the mouse; without the envelope, not the mix.
    t.p->OpcaoEnvolvente(false);
    t.Leitura(300, 100);
    EXPECT_TRUE(t.p->Label13()->isVisible());
    EXPECT_TRUE(t.p->Label8(7)->isVisible());
    EXPECT_TRUE(t.p->Label7()->isVisible());
    EXPECT_FALSE(t.p->Label17()->isVisible());
}

TEST(Picture1, CopiaGravaOSvgEPoeNaAreaDeTransferencia) {
    Plot t;
    QTemporaryDir dir;
    const QString arq = dir.filePath(QStringLiteral("CurPic.svg"));
    t.p->DefineArqFigura(arq);
    t.p->AlternaVisualizacao();
    for (bool bp : {false, true}) {
        ASSERT_TRUE(t.p->CopiaEspectro(bp));
        QFile f(arq);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray svg = f.readAll();
        EXPECT_TRUE(svg.contains("<svg"));
        const QMimeData* m = QApplication::clipboard()->mimeData();
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->data(QStringLiteral("image/svg+xml")), svg);
        EXPECT_TRUE(m->hasImage());
        EXPECT_FALSE(t.g.CopiandoFigura);
        EXPECT_FALSE(t.g.Visualizando); // a copy leaves the preview
        EXPECT_EQ(t.Fundo(), qRgb(240, 224, 192));
    }
}

TEST(Picture1, CopiaQueFalhaNaoMexeNaAreaDeTransferencia) {
    Plot t;
    QTemporaryDir dir;
    // A folder under a plain file cannot be made, not even by root.
    const QString comum = dir.filePath(QStringLiteral("comum"));
    QFile(comum).open(QIODevice::WriteOnly);
    t.p->DefineArqFigura(comum + QStringLiteral("/pasta/CurPic.svg"));
    QApplication::clipboard()->setText(QStringLiteral("anterior"));
    QString mensagem;
    QTimer::singleShot(0, [&] {
        if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            mensagem = caixa->text();
            caixa->accept();
        }
    });
    EXPECT_FALSE(t.p->CopiaEspectro(false));
    EXPECT_EQ(mensagem, QStringLiteral("NECA DE PITIBIRIBA"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("anterior"));
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_FALSE(t.g.CopiandoFigura);
}

} // namespace
