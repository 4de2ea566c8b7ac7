// The grid on its own: headers, sizes, styles and the bulk fill.
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

TEST(FlexGrid, TextoCabecalhosETamanhos) {
    FlexGrid g;
    g.setCols(4);
    g.setRows(5);
    EXPECT_EQ(g.model()->rowCount(), 4);
    EXPECT_EQ(g.model()->columnCount(), 3);
    g.setTextMatrix(0, 0, QStringLiteral("canto"));
    g.setTextMatrix(0, 2, QStringLiteral("Freqüência"));
    g.setTextMatrix(3, 0, QStringLiteral("3"));
    g.setTextMatrix(3, 3, QStringLiteral("última"));
    g.setTextMatrix(3, 1, QStringLiteral("primeira"));
    g.setTextMatrix(3, 2, QStringLiteral("meio"));
    g.setTextMatrix(3, 2, QString()); // emptied in the middle: its neighbours stay
    EXPECT_EQ(g.textMatrix(0, 0), "canto");
    EXPECT_EQ(Celula(g, 0, 2).toString(), "Freqüência");
    EXPECT_EQ(Celula(g, 3, 0).toString(), "3");
    EXPECT_EQ(Celula(g, 3, 3).toString(), "última");
    EXPECT_EQ(g.textMatrix(3, 1), "primeira");
    EXPECT_EQ(g.textMatrix(3, 2), "");
    EXPECT_EQ(g.textMatrix(4, 3), "");
    EXPECT_EQ(g.textMatrix(9, 9), ""); // outside: nothing, no crash

    // Twips to pixels; column 0 is the header column.
    g.setColWidth(0, 800);
    g.setColWidth(1, 1400);
    g.setColWidth(3, 1807); // 120.47
    g.setRowHeight(0, 500);
    EXPECT_EQ(g.verticalHeader()->width(), 53);
    EXPECT_EQ(g.columnWidth(0), 93);
    EXPECT_EQ(g.columnWidth(2), 120);
    EXPECT_EQ(g.horizontalHeader()->height(), 33);
    EXPECT_EQ(g.colWidth(1), 1400);

    // Shrinking the column count drops the text of the columns that go; the
    // sizes survive the row count change.
    g.setCols(3);
    g.setRows(8);
    EXPECT_EQ(g.textMatrix(3, 1), "primeira");
    g.setCols(4);
    EXPECT_EQ(g.textMatrix(3, 3), "");
    EXPECT_EQ(g.columnWidth(0), 93);
    EXPECT_EQ(g.verticalHeader()->width(), 53);

    // clear() empties text and styles but keeps the shape.
    g.setCellBackColor(2, 2, Qt::yellow);
    g.clear();
    EXPECT_EQ(g.rows(), 8);
    EXPECT_EQ(g.textMatrix(3, 1), "");
    EXPECT_EQ(g.textMatrix(0, 0), "");
    EXPECT_EQ(g.cellBackColor(2, 2), QColor(Qt::white));
}

TEST(FlexGrid, ColunasAlargadasParaOTextoMaisLargo) {
    FlexGrid g;
    g.setCols(5);
    g.setRows(4);
    g.setColWidths(0, 4, 300); // 20 pixels
    g.setColWidth(4, 1500);
    g.setTextMatrix(0, 0, QStringLiteral("Coluna da matriz V:"));
    g.setTextMatrix(2, 0, QStringLiteral("Soma dos quadrados:"));
    g.setTextMatrix(0, 1, QStringLiteral("Intensidade relativa"));
    g.setTextMatrix(3, 1, QStringLiteral("-450000302,25"));
    g.setColSymbol(2, true);
    g.setTextMatrix(1, 2, QStringLiteral("mmmmm")); // five μ
    g.setTextMatrix(1, 3, QStringLiteral("213 – 245"));
    g.setTextMatrix(2, 3, QStringLiteral("213 – 24"));
    g.setCellFontBold(2, 3, true);
    g.setTextMatrix(1, 4, QStringLiteral("1"));
    g.fitColsToText(0, 4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(testes::FaltaNaCelula(g, r, c), 0)
                << r << "," << c << ": " << g.textMatrix(r, c).toStdString();
    EXPECT_EQ(g.columnWidth(3), 100) << "never narrower than set";
    EXPECT_EQ(g.colWidth(1), 300);

    // Fitted again to shorter texts, the columns come back to their widths.
    g.clear();
    g.fitColsToText(0, 4);
    EXPECT_EQ(g.verticalHeader()->width(), 20);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(g.columnWidth(c), 20) << c;
}

TEST(FlexGrid, ArrasteDoCabecalhoAlargaAColuna) {
    FlexGrid g;
    g.setCols(4);
    g.setRows(5);
    g.resize(400, 200);
    g.show();
    // The right edge of column 2's header, dragged 40 pixels to the right.
    QWidget* cabecalho = g.horizontalHeader()->viewport();
    const int borda = g.horizontalHeader()->sectionViewportPosition(1) + g.columnWidth(1) - 1;
    const int y = g.horizontalHeader()->height() / 2;
    const int antes = g.columnWidth(1);
    QTest::mousePress(cabecalho, Qt::LeftButton, {}, QPoint(borda, y));
    QTest::mouseMove(cabecalho, QPoint(borda + 40, y));
    QTest::mouseRelease(cabecalho, Qt::LeftButton, {}, QPoint(borda + 40, y));
    EXPECT_EQ(g.columnWidth(1), antes + 40);

    // Column 0's header is the corner cell.
    auto* canto = g.findChild<QAbstractButton*>();
    ASSERT_NE(canto, nullptr);
    const int largura = g.verticalHeader()->width();
    const QPoint p(canto->width() - 1, canto->height() / 2);
    QTest::mousePress(canto, Qt::LeftButton, {}, p);
    QTest::mouseMove(canto, p + QPoint(30, 0));
    QTest::mouseRelease(canto, Qt::LeftButton, {}, p + QPoint(30, 0));
    EXPECT_EQ(g.verticalHeader()->width(), largura + 30);
    EXPECT_EQ(canto->width(), largura + 30);
    // Away from the edge the corner does nothing.
    QTest::mousePress(canto, Qt::LeftButton, {}, QPoint(3, p.y()));
    QTest::mouseMove(canto, QPoint(33, p.y()));
    QTest::mouseRelease(canto, Qt::LeftButton, {}, QPoint(33, p.y()));
    EXPECT_EQ(g.verticalHeader()->width(), largura + 30);
}

TEST(FlexGrid, EstilosPorCelulaEColuna) {
    FlexGrid g;
    g.setCols(3);
    g.setRows(4);
    g.setColAlignment(1, Qt::AlignCenter);
    g.setCellAlignment(2, 1, Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(g.cellAlignment(1, 1), Qt::AlignCenter);
    EXPECT_EQ(g.cellAlignment(2, 1), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(g.cellAlignment(1, 2), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(Celula(g, 1, 0, Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignLeft | Qt::AlignVCenter);

    g.setCellBackColor(1, 2, QColor(1, 2, 3));
    g.setCellForeColor(1, 2, QColor(4, 5, 6));
    g.setCellFontBold(1, 2, true);
    EXPECT_EQ(g.cellBackColor(1, 2), QColor(1, 2, 3));
    EXPECT_EQ(Celula(g, 1, 2, Qt::BackgroundRole).value<QColor>(), QColor(1, 2, 3));
    EXPECT_EQ(Celula(g, 1, 2, Qt::ForegroundRole).value<QColor>(), QColor(4, 5, 6));
    EXPECT_TRUE(Celula(g, 1, 2, Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(g.cellTextStyle(1, 2), FlexGrid::Negrito);
    // Untouched cells of the same row and the other rows: defaults, no roles.
    EXPECT_EQ(g.cellBackColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(g.cellForeColor(2, 2), QColor(Qt::black));
    EXPECT_FALSE(Celula(g, 1, 1, Qt::BackgroundRole).isValid());
    EXPECT_FALSE(Celula(g, 2, 2, Qt::FontRole).isValid());

    QFont italica = g.font();
    italica.setItalic(true);
    g.setColFont(1, italica);
    EXPECT_EQ(g.cellTextStyle(2, 1), FlexGrid::Italico);
    EXPECT_EQ(g.cellTextStyle(0, 1), FlexGrid::Normal); // not the header
    g.setCellTextStyle(2, 1, FlexGrid::Normal);
    EXPECT_EQ(g.cellTextStyle(2, 1), FlexGrid::Normal);

    g.setColSymbol(2, true);
    g.setTextMatrix(0, 2, QStringLiteral("ab"));
    g.setTextMatrix(3, 2, QStringLiteral("abn 1Z"));
    EXPECT_EQ(Celula(g, 3, 2).toString(), QStringLiteral("αβν 1Ζ"));
    EXPECT_EQ(Celula(g, 3, 2, FlexGrid::TextoRole).toString(), "abn 1Z");
    EXPECT_EQ(g.textMatrix(3, 2), "abn 1Z");
    EXPECT_EQ(Celula(g, 0, 2).toString(), "ab"); // headers keep their letters
}

TEST(FlexGrid, PreenchimentoEmLoteReiniciaUmaVez) {
    FlexGrid g;
    g.setCols(3);
    QSignalSpy reinicios(g.model(), &QAbstractItemModel::modelReset);
    QSignalSpy mudancas(g.model(), &QAbstractItemModel::dataChanged);
    QSignalSpy cabecalhos(g.model(), &QAbstractItemModel::headerDataChanged);
    g.bulkUpdate([&] {
        g.clear();
        g.setRows(1001);
        for (int r = 1; r <= 1000; ++r) {
            g.setTextMatrix(r, 0, QString::number(r));
            g.setTextMatrix(r, 2, QStringLiteral("x"));
            g.setCellBackColor(r, 1, Qt::cyan);
        }
    });
    EXPECT_EQ(reinicios.count(), 1);
    EXPECT_EQ(mudancas.count(), 0);
    EXPECT_EQ(cabecalhos.count(), 0);
    EXPECT_EQ(g.textMatrix(1000, 0), "1000");
    EXPECT_EQ(g.cellBackColor(1000, 1), QColor(Qt::cyan));
    // Outside a batch one cell changes one cell.
    g.setTextMatrix(5, 1, QStringLiteral("y"));
    EXPECT_EQ(mudancas.count(), 1);
    EXPECT_EQ(reinicios.count(), 1);
}

TEST(FlexGrid, CliqueNaLinhaEmiteLinhaEBotao) {
    FlexGrid g;
    g.setCols(3);
    g.setRows(50);
    g.resize(300, 200);
    g.show();
    QSignalSpy press(&g, &FlexGrid::mousePressedOnRow);
    const QRect cel = g.visualRect(g.model()->index(2, 1));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, cel.center());
    QTest::mouseClick(g.viewport(), Qt::RightButton, {}, cel.center());
    // The header column selects its row too.
    QTest::mouseClick(g.verticalHeader()->viewport(), Qt::MiddleButton, {},
                      QPoint(5, g.verticalHeader()->sectionViewportPosition(4) + 3));
    ASSERT_EQ(press.count(), 3);
    EXPECT_EQ(press.at(0).at(0).toInt(), 3);
    EXPECT_EQ(press.at(0).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(press.at(1).at(1).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(press.at(2).at(0).toInt(), 5);
    EXPECT_EQ(g.selectedRow(), 5);

    g.setTopRow(30);
    EXPECT_EQ(g.topRow(), 30);
    g.selectRow(40);
    EXPECT_EQ(g.selectedRow(), 40);
}

// Every pixel of cell (r, c) inside its grid lines, as the viewport paints it.
QImage PixelsDaCelula(FlexGrid& g, int r, int c) {
    const QRect cel = g.visualRect(g.model()->index(r - 1, c - 1));
    return g.viewport()
        ->grab(cel.adjusted(0, 0, -1, -1))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

bool SoDaCor(const QImage& im, const QColor& cor) {
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (QColor(im.pixel(x, y)) != cor) return false;
    return !im.isNull();
}

// The grid's highlights are cell colours (the results table's clicked row,
// the walkthrough's eigenvector columns): a clicked cell keeps its own.
TEST(FlexGrid, CliqueNaoPintaACelula) {
    FlexGrid g;
    g.setCols(4);
    g.setRows(6);
    g.resize(300, 200);
    g.show();
    g.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&g));
    g.setFocus();
    ASSERT_TRUE(g.hasFocus()) << "a focus frame would show";
    g.setCellBackColor(2, 2, QColor(255, 255, 192));
    for (const auto& [r, c] : {std::pair{2, 2}, std::pair{3, 1}}) {
        for (const Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
            const QRect cel = g.visualRect(g.model()->index(r - 1, c - 1));
            QTest::mouseClick(g.viewport(), b, {}, cel.center());
            EXPECT_EQ(g.selectedRow(), r);
            EXPECT_TRUE(SoDaCor(PixelsDaCelula(g, r, c), g.cellBackColor(r, c)))
                << r << "," << c << " button " << b;
        }
    }
    // The keyboard moves the current cell, and paints nothing either.
    QTest::keyClick(g.viewport(), Qt::Key_Down);
    EXPECT_EQ(g.selectedRow(), 4);
    EXPECT_TRUE(SoDaCor(PixelsDaCelula(g, 4, 1), Qt::white));
}

} // namespace
