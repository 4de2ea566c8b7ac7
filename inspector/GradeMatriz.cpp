#include "inspector/GradeMatriz.h"

#include "texto/TextoDecimal.h"

#include <cmath>
#include <vector>

void PreencheMatriz(FlexGrid& g, int n, int larguraCab, int larguraDados,
                    const std::function<std::string(int, int)>& texto,
                    const std::function<bool(int, int)>& zero) {
    n = std::max(n, 0);
    g.bulkUpdate([&] {
        g.clear();
        g.setRows(n + 1);
        g.setCols(n + 1);
        g.setColWidth(0, larguraCab);
        g.setColWidths(1, n, larguraDados);
        for (int c = 0; c <= n; ++c) g.setColAlignment(c, Qt::AlignCenter);
        std::vector<std::string> celulas(std::size_t(n) + 1);
        for (int c = 1; c <= n; ++c) celulas[std::size_t(c)] = FormataInteiro(c);
        g.setRowTexts(0, celulas);
        for (int r = 1; r <= n; ++r) {
            celulas[0] = FormataInteiro(r);
            for (int c = 1; c <= n; ++c) celulas[std::size_t(c)] = texto(r, c);
            g.setRowTexts(r, celulas);
            if (zero)
                for (int c = 1; c <= n; ++c)
                    if (c != r && zero(r, c)) g.setCellBackColor(r, c, CorZero);
            g.setCellBackColor(r, r, CorDiagonal);
        }
        // Energies of hundreds of MHz in Hz, negative ones above all, need
        // more than the widths given.
        g.fitColsToText(0, n);
    });
}

bool ZeroSeisCasas(double x) {
    // Only a value below 1e-6 can round to 0; the text settles the halves.
    return std::fabs(x) < 1e-6 && FormataGeral(x, 6, '.') == "0";
}

QString TextoCopiaGrade(const FlexGrid& g) {
    QString t;
    for (int r = 1; r < g.rows(); ++r) {
        const QStringList l = g.rowTexts(r);
        for (int c = 1; c < l.size(); ++c) {
            t += l[c];
            t += c + 1 < l.size() ? QStringLiteral("\t") : QStringLiteral("\r\n");
        }
    }
    t.chop(2);
    return t;
}
