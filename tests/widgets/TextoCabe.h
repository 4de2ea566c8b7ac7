#pragma once
// Whether a grid cell's text shows whole, measured as the cell is drawn.

#include "widgets/FlexGrid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>

#include <algorithm>

namespace testes {

// How many pixels the text of cell (r, c) lacks to show whole (0 when it
// fits). A data cell's text must leave the item view's margin on either
// side and the grid line free, else the view cuts it with "…"; a header's,
// the header margins.
inline int FaltaNaCelula(const FlexGrid& g, int r, int c) {
    const QAbstractItemModel& m = *g.model();
    const QVariant f = r == 0   ? m.headerData(c - 1, Qt::Horizontal, Qt::FontRole)
                       : c == 0 ? m.headerData(r - 1, Qt::Vertical, Qt::FontRole)
                                : m.data(m.index(r - 1, c - 1), Qt::FontRole);
    const QHeaderView* h = r == 0 && c > 0 ? g.horizontalHeader() : g.verticalHeader();
    const QFont fonte = f.isValid()        ? f.value<QFont>()
                        : r == 0 && c == 0 ? g.cellFont(0, 0)
                        : r == 0 || c == 0 ? h->font()
                                           : g.font();
    const QString texto = r == 0 && c == 0 ? g.textMatrix(0, 0)
                          : r == 0         ? m.headerData(c - 1, Qt::Horizontal).toString()
                          : c == 0         ? m.headerData(r - 1, Qt::Vertical).toString()
                                           : m.data(m.index(r - 1, c - 1)).toString();
    const int largura = c == 0 ? g.verticalHeader()->width() : g.columnWidth(c - 1);
    int margens;
    if (r == 0 || c == 0)
        margens = 2 * g.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
    else
        margens = 2 * (g.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &g) + 1) +
                  (g.showGrid() ? 1 : 0);
    return std::max(QFontMetrics(fonte).horizontalAdvance(texto) + margens - largura, 0);
}

} // namespace testes
