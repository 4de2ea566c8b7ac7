#pragma once
// The program's grid: a table of text cells with a fixed header row (row 0)
// and a fixed header column (column 0), per-cell colours, font, text style
// and alignment, sizes in twips. Rows and columns are numbered as the grid
// shows them, headers included; the header row and column are the view's
// headers, so they stay in place while the data scrolls.
//
// A 10-proton results table has 168 000 rows: each row keeps its text in one
// UTF-8 string and its styles only once one is set, and a fill made inside
// bulkUpdate() costs a single model reset.

#include <QColor>
#include <QFont>
#include <QTableView>

#include <functional>
#include <span>
#include <string>
#include <string_view>

class FlexGridModelo;

class FlexGrid : public QTableView {
    Q_OBJECT

  public:
    // Text style flags of a cell.
    enum Estilo : int { Normal = 0, Negrito = 1, Italico = 2, Sublinhado = 4, Riscado = 8 };
    // The raw cell text; DisplayRole may differ (Greek letters of a Symbol column).
    static constexpr int TextoRole = Qt::UserRole + 1;

    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    void setRows(int n);
    void setCols(int n);
    int rows() const;
    int cols() const;

    // Runs f with the model's notifications held back and resets the view once.
    void bulkUpdate(const std::function<void()>& f);

    void setTextMatrix(int r, int c, const QString& s);
    void setTextMatrix(int r, int c, std::string_view utf8);
    // Row r's cells from column 0 on; the columns after them are emptied.
    void setRowTexts(int r, std::span<const std::string> utf8);
    QString textMatrix(int r, int c) const;
    // Every cell of row r, columns 0..cols() - 1, read in one pass.
    QStringList rowTexts(int r) const;

    void setCellBackColor(int r, int c, const QColor& cor);
    void setCellForeColor(int r, int c, const QColor& cor);
    void setCellFont(int r, int c, const QFont& f);
    void setCellTextStyle(int r, int c, int estilo);
    void setCellFontBold(int r, int c, bool negrito);
    void setCellAlignment(int r, int c, Qt::Alignment a);
    // Effective values: what the cell is drawn with.
    QColor cellBackColor(int r, int c) const;
    QColor cellForeColor(int r, int c) const;
    QFont cellFont(int r, int c) const;
    int cellTextStyle(int r, int c) const;
    bool cellFontBold(int r, int c) const { return cellTextStyle(r, c) & Negrito; }
    Qt::Alignment cellAlignment(int r, int c) const;

    // Column c's width; column 0 is the header column. The user may widen
    // any column by dragging the right edge of its header (column 0's header
    // is the corner cell); the next change of sizes or of the model gives
    // every column its width back.
    void setColWidth(int c, int twips);
    int colWidth(int c) const; // twips, as set
    // Columns c0..c1 at once: a thousand columns set one by one would lay
    // the header out a thousand times.
    void setColWidths(int c0, int c1, int twips);
    // Widens columns c0..c1, where their width falls short, to show the
    // widest text of their cells whole, header cells included. A column
    // never shows narrower than its width; texts set later widen nothing.
    void fitColsToText(int c0, int c1);
    void setColAlignment(int c, Qt::Alignment a);
    // Font of the data cells of column c that have none of their own.
    void setColFont(int c, const QFont& f);
    // The data cells of column c are shown as the Symbol face would show
    // them: Latin letters as Greek ("a" as α); their text keeps the letters.
    void setColSymbol(int c, bool simbolo);
    // Row 0 is the header row's height; data rows keep theirs until the
    // next change of the row count.
    void setRowHeight(int r, int twips);

    // Empties every cell and forgets cell styles; sizes, column settings and
    // the row and column counts stay.
    void clear();

    void setTopRow(int r);
    int topRow() const;
    void selectRow(int r);
    int selectedRow() const; // 0 when no data row is current

  signals:
    // A mouse button went down on data row r (a data cell or its header).
    void mousePressedOnRow(int r, Qt::MouseButton botao);

  protected:
    void mousePressEvent(QMouseEvent* ev) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

  private:
    void aplicaTamanhos();
    void pintaCanto(QWidget* canto);
    // Pixels a header section needs across to show `texto` in font f.
    int larguraCabecalho(QHeaderView* h, const QString& texto, const QFont& f) const;
    // A drag of the header column's right edge, on the corner cell or on the
    // row headers; true when the event was part of one.
    bool arrastaColunaCabecalho(QWidget* w, QEvent* ev);

    FlexGridModelo* modelo_;
    std::vector<int> larguras_; // twips, per column
    std::vector<int> ajustes_;  // pixels the widest text needs, per column; 0 for none
    int inicioArraste_ = -1;    // global x where a drag of column 0 began
    int larguraInicioArraste_ = 0;
    int alturaCabecalho_;
    std::vector<std::pair<int, int>> alturasLinhas_; // (row, twips)
    QWidget* canto_ = nullptr;
};
