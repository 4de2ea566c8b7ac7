// The grid on its own: what its cells show, their sizes, and the mouse.
#include "widgets/FlexGrid.h"
#include "widgets/TextoCabe.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QVariant Celula(const FlexGrid& g, int r, int c, int papel = Qt::DisplayRole) {
    const QAbstractItemModel* m = g.model();
    if (r == 0) return m->headerData(c - 1, Qt::Horizontal, papel);
    if (c == 0) return m->headerData(r - 1, Qt::Vertical, papel);
    return m->data(m->index(r - 1, c - 1), papel);
}

// A grid of `cols` by `rows`, cell (0, 0) being the corner.
struct Grade : FlexGrid {
    Grade(int cols, int rows) {
        setCols(cols);
        setRows(rows);
    }
    void Mostra(int w, int h) {
        resize(w, h);
        show();
    }
    QRect Caixa(int r, int c) const { return visualRect(model()->index(r - 1, c - 1)); }
};

TEST(FlexGrid, TextoCabecalhosETamanhos) {
    Grade g(4, 5);
    g.setTextMatrix(0, 2, QStringLiteral("Freqüência"));
    g.setTextMatrix(3, 0, QStringLiteral("3"));
    g.setTextMatrix(3, 3, QStringLiteral("última"));
    g.setTextMatrix(3, 1, QStringLiteral("primeira"));
    g.setTextMatrix(3, 2, QStringLiteral("meio"));
    g.setTextMatrix(3, 2, QString()); // emptied in the middle: its neighbours stay
    const QStringList linha = {"3", "primeira", "", "última"};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(Celula(g, 3, c).toString(), linha[c]) << c;
    EXPECT_EQ(Celula(g, 0, 2).toString(), "Freqüência");
    EXPECT_EQ(g.textMatrix(9, 9), ""); // outside: nothing, no crash

    // Twips to pixels, column 0 being the header column; sizes survive new
    // rows, fewer columns drop the text of those that go.
    g.setColWidth(0, 800);
    g.setRowHeight(0, 500);
    g.setCols(3);
    g.setRows(8);
    g.setCols(4);
    EXPECT_EQ(g.verticalHeader()->width(), 53);
    EXPECT_EQ(g.horizontalHeader()->height(), 33);
    EXPECT_EQ(g.textMatrix(3, 1), "primeira");
    EXPECT_EQ(g.textMatrix(3, 3), "");

    // clear() empties text and styles but keeps the shape.
    g.setCellBackColor(2, 2, Qt::yellow);
    g.clear();
    EXPECT_EQ(g.rows(), 8);
    EXPECT_EQ(g.textMatrix(3, 1), "");
    EXPECT_FALSE(Celula(g, 2, 2, Qt::BackgroundRole).isValid());
}

// Never narrower than set; fitted again to shorter texts, back to those widths.
TEST(FlexGrid, ColunasAlargadasParaOTextoMaisLargo) {
    Grade g(5, 3);
    g.setColWidths(0, 4, 300); // 20 pixels
    g.setColWidth(4, 1500);
    g.setTextMatrix(2, 0, QStringLiteral("Soma dos quadrados:"));
    g.setTextMatrix(0, 1, QStringLiteral("Intensidade relativa"));
    g.setColSymbol(2, true);
    g.setTextMatrix(1, 2, QStringLiteral("mmmmm")); // five μ
    g.setTextMatrix(1, 3, QStringLiteral("213 – 245"));
    g.setTextMatrix(2, 3, QStringLiteral("213 – 24"));
    g.setCellFontBold(2, 3, true);
    g.fitColsToText(0, 4);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) EXPECT_EQ(testes::FaltaNaCelula(g, r, c), 0) << r << "," << c;
    EXPECT_EQ(g.columnWidth(3), 100) << "never narrower than set";
    g.clear();
    g.fitColsToText(0, 4);
    EXPECT_EQ(g.verticalHeader()->width(), 20);
    EXPECT_EQ(g.columnWidth(0), 20);
}

// A drag with the left button from `de` by `dx` pixels.
void Arrasta(QWidget* w, QPoint de, int dx) {
    QTest::mousePress(w, Qt::LeftButton, {}, de);
    QTest::mouseMove(w, de + QPoint(dx, 0));
    QTest::mouseRelease(w, Qt::LeftButton, {}, de + QPoint(dx, 0));
}

// What the view is handed for each cell: alignment, colours, font, and the
// symbol font's Greek letters (headers keep theirs).
TEST(FlexGrid, EstilosPorCelulaEColuna) {
    Grade g(3, 4);
    g.setColAlignment(1, Qt::AlignCenter);
    g.setCellAlignment(2, 1, Qt::AlignRight | Qt::AlignVCenter);
    const auto alinhamento = [&](int r, int c) {
        return Celula(g, r, c, Qt::TextAlignmentRole).value<Qt::Alignment>();
    };
    EXPECT_EQ(alinhamento(1, 1), Qt::AlignCenter);
    EXPECT_EQ(alinhamento(2, 1), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(alinhamento(1, 0), Qt::AlignLeft | Qt::AlignVCenter);

    g.setCellBackColor(1, 2, QColor(1, 2, 3));
    g.setCellForeColor(1, 2, QColor(4, 5, 6));
    g.setCellFontBold(1, 2, true);
    EXPECT_EQ(Celula(g, 1, 2, Qt::BackgroundRole).value<QColor>(), QColor(1, 2, 3));
    EXPECT_EQ(Celula(g, 1, 2, Qt::ForegroundRole).value<QColor>(), QColor(4, 5, 6));
    EXPECT_TRUE(Celula(g, 1, 2, Qt::FontRole).value<QFont>().bold());

    QFont italica = g.font();
    italica.setItalic(true);
    g.setColFont(1, italica);
    EXPECT_EQ(g.cellTextStyle(2, 1), FlexGrid::Italico);
    EXPECT_EQ(g.cellTextStyle(0, 1), FlexGrid::Normal); // not the header
    g.setCellTextStyle(2, 1, FlexGrid::Normal);
    EXPECT_FALSE(Celula(g, 2, 1, Qt::FontRole).value<QFont>().italic());

    g.setColSymbol(2, true);
    g.setTextMatrix(0, 2, QStringLiteral("ab"));
    g.setTextMatrix(3, 2, QStringLiteral("abn 1Z"));
    EXPECT_EQ(Celula(g, 3, 2).toString(), QStringLiteral("αβν 1Ζ"));
    EXPECT_EQ(g.textMatrix(3, 2), "abn 1Z");
    EXPECT_EQ(Celula(g, 0, 2).toString(), "ab");
}

TEST(FlexGrid, PreenchimentoEmLoteReiniciaUmaVez) {
    Grade g(3, 2);
    QSignalSpy reinicios(g.model(), &QAbstractItemModel::modelReset);
    QSignalSpy mudancas(g.model(), &QAbstractItemModel::dataChanged);
    g.bulkUpdate([&] {
        g.setRows(1001);
        for (int r = 1; r <= 1000; ++r) g.setTextMatrix(r, 1, QString::number(r));
    });
    EXPECT_EQ(reinicios.count(), 1);
    EXPECT_EQ(mudancas.count(), 0);
    EXPECT_EQ(Celula(g, 1000, 1).toString(), "1000");
}

// The grid's highlights are cell colours (the results table's clicked row,
// the walkthrough's eigenvector columns): a clicked cell keeps its own. A
// click, in the header column too, selects its row and says which with the
// button. The corner cell's edge dragged widens the header column.
TEST(FlexGrid, CliquesEArrastes) {
    Grade g(4, 50);
    g.Mostra(300, 200);
    g.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&g));
    g.setFocus();
    QSignalSpy press(&g, &FlexGrid::mousePressedOnRow);
    g.setCellBackColor(2, 2, QColor(255, 255, 192));
    QTest::mouseClick(g.viewport(), Qt::RightButton, {}, g.Caixa(2, 2).center());
    EXPECT_EQ(g.selectedRow(), 2);
    ASSERT_EQ(press.count(), 1);
    EXPECT_EQ(press.last().at(1).value<Qt::MouseButton>(), Qt::RightButton);
    const QImage im = g.viewport()
                          ->grab(g.Caixa(2, 2).adjusted(0, 0, -1, -1))
                          .toImage()
                          .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(im.pixelColor(0, 0), g.cellBackColor(2, 2));
    EXPECT_EQ(im.pixelColor(im.width() - 1, im.height() - 1), g.cellBackColor(2, 2));
    QTest::mouseClick(g.verticalHeader()->viewport(), Qt::MiddleButton, {},
                      QPoint(5, g.verticalHeader()->sectionViewportPosition(4) + 3));
    EXPECT_EQ(press.last().at(0).toInt(), 5);
    EXPECT_EQ(press.last().at(1).value<Qt::MouseButton>(), Qt::MiddleButton);
    EXPECT_EQ(g.selectedRow(), 5);

    auto* canto = g.findChild<QAbstractButton*>();
    ASSERT_NE(canto, nullptr);
    const int largura = g.verticalHeader()->width();
    Arrasta(canto, {canto->width() - 1, canto->height() / 2}, 30);
    EXPECT_EQ(g.verticalHeader()->width(), largura + 30);
    Arrasta(canto, {3, canto->height() / 2}, 30);
    EXPECT_EQ(g.verticalHeader()->width(), largura + 30);
}

} // namespace
