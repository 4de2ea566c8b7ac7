// The results table filled from real runs, clicked and copied.
#include "mainwindow/TabelaResultadosWidget.h"
#include "run/ExecucaoAux.h"
#include "run/TabelaResultados.h"
#include "widgets/TextoCabe.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString Texto(const EstadoSpin& e, int b, int c, char sep) {
    return QString::fromStdString(TextoCelulaBanda(e, b, c, sep));
}

struct Tabela {
    EstadoSpin e = testes::Calcula(EntradaInicial(3));
    TabelaResultadosWidget t{','};
    Tabela() {
        t.resize(610, 300);
        t.FlexPreenchBandas(e);
    }
    void Clica(int r, Qt::MouseButton b = Qt::LeftButton) {
        t.setTopRow(r);
        const QRect cel = t.visualRect(t.model()->index(r - 1, 2));
        QTest::mouseClick(t.viewport(), b, {}, cel.center());
    }
    bool Azul(int r) const {
        for (int c = 1; c <= 6; ++c)
            if (t.cellBackColor(r, c) != QColor(0, 0, 255) ||
                t.cellForeColor(r, c) != QColor(255, 255, 255) || t.cellTextStyle(r, c) != 0)
                return false;
        return true;
    }
};

TEST(TabelaResultados, PreencheTresProtons) {
    Tabela x;
    const EstadoSpin& e = x.e;
    TabelaResultadosWidget& t = x.t;
    ASSERT_GT(e.NBandas, 10);
    EXPECT_TRUE(t.isVisible());
    EXPECT_EQ(t.rows(), e.NBandas + 1);
    EXPECT_EQ(t.cols(), 7);
    const char* cab[] = {
        "Banda n°",      "Níveis",        "Freqüência (Hz)", "Intensidade relativa",
        "Spins nível A", "Spins nível B", "Prótons afetados"};
    for (int c = 0; c < 7; ++c) EXPECT_EQ(t.textMatrix(0, c), QString::fromUtf8(cab[c]));
    EXPECT_EQ(t.model()->headerData(0, Qt::Horizontal).toString(), "Níveis");

    // 800, 800, 1400, 1600, 1200, 1200, 1800 twips, or what a text needs
    // (the tests' font is wider than the program's).
    EXPECT_GE(t.verticalHeader()->width(), 53);
    const int px[] = {53, 93, 107, 80, 80, 120};
    for (int c = 1; c < 7; ++c) EXPECT_GE(t.columnWidth(c - 1), px[c - 1]) << c;

    for (int b : {1, e.NBandas / 2, e.NBandas})
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(t.textMatrix(b, c), Texto(e, b, c, ',')) << b << "," << c;
    EXPECT_EQ(t.model()->headerData(e.NBandas - 1, Qt::Vertical).toInt(), e.NBandas);
    EXPECT_TRUE(t.textMatrix(1, 1).contains(QStringLiteral(" – ")));
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(t.cellAlignment(2, c), Qt::AlignCenter) << c;
    EXPECT_EQ(t.cellAlignment(0, 3), Qt::AlignCenter);
    EXPECT_EQ(t.cellAlignment(2, 6), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(t.cellFont(2, 1).family(), "Arial");

    // Greek letters on screen, Latin letters in the cell and in the
    // calculator's table.
    for (int c : {4, 5}) {
        const QModelIndex i = t.model()->index(0, c - 1);
        const QString texto = t.textMatrix(1, c);
        ASSERT_EQ(texto.size(), 3);
        EXPECT_TRUE(QRegularExpression("^[ab]{3}$").match(texto).hasMatch()) << texto.toStdString();
        QString grego = texto;
        grego.replace('a', QChar(0x3b1)).replace('b', QChar(0x3b2));
        EXPECT_EQ(t.model()->data(i).toString(), grego);
        EXPECT_EQ(t.model()->data(i, FlexGrid::TextoRole).toString(), texto);
    }
    const QString copia = QString::fromStdString(TextoCopiaTabela(e, ','));
    EXPECT_FALSE(copia.contains(QChar(0x3b1)));
    EXPECT_TRUE(copia.contains(t.textMatrix(1, 4)));

    // A refill with fewer bands leaves nothing of the earlier one; Esvazia
    // leaves the header row and one empty row.
    const EstadoSpin e2 = testes::Calcula(EntradaInicial(2));
    t.FlexPreenchBandas(e2);
    EXPECT_EQ(t.rows(), e2.NBandas + 1);
    EXPECT_EQ(t.textMatrix(1, 4).size(), 2);
    t.Esvazia();
    EXPECT_EQ(t.rows(), 2);
    EXPECT_EQ(t.textMatrix(1, 0), "");
    EXPECT_EQ(t.textMatrix(0, 0), "");
}

// From 8 protons on, levels have three digits: "213 – 245" outgrows the
// 800 twips of "Níveis".
TEST(TabelaResultados, TextosInteirosComOitoProtons) {
    const EstadoSpin e = testes::Calcula(EntradaInicial(8));
    TabelaResultadosWidget t(',');
    t.resize(610, 300);
    t.FlexPreenchBandas(e);
    ASSERT_EQ(t.rows(), e.NBandas + 1);
    int maisLargo = 1;
    for (int b = 1; b <= e.NBandas; ++b) {
        if (QFontMetrics(t.cellFont(b, 1)).horizontalAdvance(t.textMatrix(b, 1)) >
            QFontMetrics(t.cellFont(maisLargo, 1)).horizontalAdvance(t.textMatrix(maisLargo, 1)))
            maisLargo = b;
        for (int c = 0; c < 7; ++c)
            ASSERT_EQ(testes::FaltaNaCelula(t, b, c), 0)
                << b << "," << c << ": " << t.textMatrix(b, c).toStdString();
    }
    EXPECT_EQ(t.textMatrix(maisLargo, 1).size(), 9) << "three digits, dash, three digits";
    for (int c = 0; c < 7; ++c) EXPECT_EQ(testes::FaltaNaCelula(t, 0, c), 0) << c;
}

TEST(TabelaResultados, RealceGuardaERestauraALinha) {
    Tabela x;
    TabelaResultadosWidget& t = x.t;
    t.show();
    QSignalSpy marcada(&t, &TabelaResultadosWidget::BandaClicada);
    const QColor amarelo(255, 255, 0), vermelho(255, 0, 0);
    const int r = 5, s = 9;
    for (int c = 1; c <= 6; ++c) {
        t.setCellBackColor(r, c, amarelo);
        t.setCellForeColor(r, c, vermelho);
        t.setCellTextStyle(r, c, FlexGrid::Negrito | FlexGrid::Italico);
    }

    x.Clica(r, Qt::RightButton); // the right button does nothing
    EXPECT_EQ(t.LinhaRealcada(), 0);
    EXPECT_EQ(marcada.count(), 0);
    EXPECT_EQ(t.cellBackColor(r, 1), amarelo);

    x.Clica(r);
    x.Clica(r); // the second click restores and saves again the same look
    EXPECT_EQ(t.LinhaRealcada(), r);
    EXPECT_TRUE(x.Azul(r));
    EXPECT_EQ(t.cellBackColor(r, 0), t.cellBackColor(0, 0)); // the header column stays
    ASSERT_EQ(marcada.count(), 2);
    EXPECT_EQ(marcada.at(1).at(0).toInt(), r);

    x.Clica(s);
    EXPECT_EQ(t.LinhaRealcada(), s);
    EXPECT_TRUE(x.Azul(s));
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(t.cellBackColor(r, c), amarelo) << c;
        EXPECT_EQ(t.cellForeColor(r, c), vermelho) << c;
        EXPECT_EQ(t.cellTextStyle(r, c), FlexGrid::Negrito | FlexGrid::Italico) << c;
    }
    x.Clica(s, Qt::MiddleButton); // every button but the right one
    EXPECT_EQ(marcada.count(), 4);

    // The plot took the mark away; the row it chooses comes to the top.
    t.DesfazRealce();
    EXPECT_EQ(t.LinhaRealcada(), 0);
    EXPECT_EQ(t.cellBackColor(s, 3), QColor(Qt::white));
    EXPECT_EQ(t.cellForeColor(s, 3), QColor(Qt::black));
    t.resize(610, 100);
    t.EscolheBanda(4);
    EXPECT_EQ(t.topRow(), 4);
    EXPECT_EQ(t.selectedRow(), 4);
    EXPECT_TRUE(x.Azul(4));
    EXPECT_EQ(marcada.last().at(0).toInt(), 4);

    // While the plot cannot mark nothing happens; closing restores the row.
    t.DefinePodeMarcar([] { return false; });
    x.Clica(3);
    EXPECT_EQ(t.LinhaRealcada(), 4);
    t.Fecha();
    EXPECT_FALSE(t.isVisible());
    EXPECT_EQ(t.LinhaRealcada(), 0);
    EXPECT_EQ(t.cellBackColor(4, 6), QColor(Qt::white));
}

// The copy reads as the grid shows it, α and β included, line for line.
TEST(TabelaResultados, CopiaComoATelaMostra) {
    Tabela tab;
    tab.t.CopiaTabela(tab.e);
    const QStringList linhas = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(linhas.size(), tab.e.NBandas + 1);
    for (int b = 1; b <= tab.e.NBandas; ++b) {
        const QStringList campos = linhas[b].split('\t');
        ASSERT_EQ(campos.size(), 7) << b;
        EXPECT_EQ(campos[0], tab.t.textMatrix(b, 0)) << b;
        // The grid's columns after the band number, as displayed.
        for (int c = 1; c < 7; ++c) {
            const QModelIndex i = tab.t.model()->index(b - 1, c - 1);
            EXPECT_EQ(campos[c].toStdString(), i.data().toString().toStdString()) << b << ' ' << c;
        }
    }
    EXPECT_TRUE(linhas[1].contains(QChar(0x3b1)) || linhas[1].contains(QChar(0x3b2)));
}

TEST(TabelaResultados, CopiaEDezProtons) {
    EntradaSimulacao in = EntradaInicial(10);
    in.IntMin = 0;
    const EstadoSpin e = testes::Calcula(in);
    TabelaResultadosWidget t('.'); // the grid and the copy both take this separator
    t.resize(610, 300);
    t.show();
    t.FlexPreenchBandas(e);
    EXPECT_EQ(e.NBandas, 167960);
    EXPECT_EQ(t.rows(), e.NBandas + 1);
    for (int b : {1, 83980, e.NBandas})
        for (int c = 0; c < 7; ++c) EXPECT_EQ(t.textMatrix(b, c), Texto(e, b, c, '.'));
    t.EscolheBanda(e.NBandas - 3);
    EXPECT_EQ(t.LinhaRealcada(), e.NBandas - 3);

    t.CopiaTabela(e);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString::fromStdString(TextoCopiaTabela(e, '.', LetrasSpin::Gregas)));
    EXPECT_TRUE(QApplication::clipboard()->text().endsWith(t.textMatrix(e.NBandas, 6)));
}

} // namespace
