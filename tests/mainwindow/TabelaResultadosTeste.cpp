// The results table filled from real runs and clicked.
#include "mainwindow/TabelaResultadosWidget.h"
#include "run/ExecucaoAux.h"
#include "run/TabelaResultados.h"
#include "widgets/TextoCabe.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Every cell of bands `bandas` as the core writes it; the spins read Greek
// on screen and Latin underneath.
void ConfereCelulas(const TabelaResultadosWidget& t, const EstadoSpin& e,
                    std::initializer_list<int> bandas, char sep) {
    ASSERT_EQ(t.rows(), e.NBandas + 1);
    for (int b : bandas)
        for (int c = 0; c < 7; ++c) {
            const QString texto = QString::fromStdString(TextoCelulaBanda(e, b, c, sep));
            EXPECT_EQ(t.textMatrix(b, c), texto) << b << "," << c;
            if (c != 4 && c != 5) continue;
            const QModelIndex i = t.model()->index(b - 1, c - 1);
            EXPECT_EQ(i.data().toString(),
                      QString(texto).replace('a', QChar(0x3b1)).replace('b', QChar(0x3b2)));
            EXPECT_EQ(i.data(FlexGrid::TextoRole).toString(), texto);
        }
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

// Filled, refilled with fewer bands (nothing of the earlier one left) and
// emptied to the header row and one empty row.
TEST(TabelaResultados, PreencheReencheEEsvazia) {
    Tabela x;
    ASSERT_GT(x.e.NBandas, 10);
    ConfereCelulas(x.t, x.e, {1, x.e.NBandas / 2, x.e.NBandas}, ',');
    EXPECT_EQ(x.t.model()->headerData(x.e.NBandas - 1, Qt::Vertical).toInt(), x.e.NBandas);
    const EstadoSpin e2 = testes::Calcula(EntradaInicial(2));
    x.t.FlexPreenchBandas(e2);
    ConfereCelulas(x.t, e2, {1, e2.NBandas}, ',');
    x.t.Esvazia();
    EXPECT_EQ(x.t.rows(), 2);
    EXPECT_EQ(x.t.textMatrix(1, 0), "");
}

// From 8 protons on, levels have three digits: "213 – 245" outgrows the
// 800 twips of "Níveis".
TEST(TabelaResultados, TextosInteirosComOitoProtons) {
    const EstadoSpin e = testes::Calcula(EntradaInicial(8));
    TabelaResultadosWidget t(',');
    t.resize(610, 300);
    t.FlexPreenchBandas(e);
    ASSERT_EQ(t.rows(), e.NBandas + 1);
    for (int b = 1; b <= e.NBandas; ++b)
        for (int c = 0; c < 7; ++c)
            ASSERT_EQ(testes::FaltaNaCelula(t, b, c), 0)
                << b << "," << c << ": " << t.textMatrix(b, c).toStdString();
    for (int c = 0; c < 7; ++c) EXPECT_EQ(testes::FaltaNaCelula(t, 0, c), 0) << c;
}

// A click paints the row blue and gives back the look it had once another
// row is clicked; the right button does nothing; the plot's choice comes to
// the top; closing, or a plot that cannot mark, leaves no row painted.
TEST(TabelaResultados, RealceGuardaERestauraALinha) {
    Tabela x;
    TabelaResultadosWidget& t = x.t;
    t.show();
    QSignalSpy marcada(&t, &TabelaResultadosWidget::BandaClicada);
    const QColor amarelo(255, 255, 0);
    for (int c = 1; c <= 6; ++c) t.setCellBackColor(5, c, amarelo);
    x.Clica(5, Qt::RightButton);
    EXPECT_EQ(marcada.count(), 0);
    x.Clica(5);
    x.Clica(5); // the second click restores and saves again the same look
    EXPECT_TRUE(x.Azul(5));
    EXPECT_EQ(t.cellBackColor(5, 0), t.cellBackColor(0, 0)) << "the header column stays";
    ASSERT_EQ(marcada.count(), 2);
    x.Clica(9);
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(t.cellBackColor(5, c), amarelo) << c;

    t.resize(610, 100);
    t.EscolheBanda(4);
    EXPECT_TRUE(t.topRow() == 4 && x.Azul(4));
    t.DefinePodeMarcar([] { return false; });
    x.Clica(3);
    EXPECT_EQ(t.LinhaRealcada(), 4);
    t.Fecha();
    EXPECT_EQ(t.cellBackColor(4, 6), QColor(Qt::white));
}

} // namespace
