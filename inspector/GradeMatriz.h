#pragma once
// A matrix shown in a grid: the basis-state numbers as headers, every cell
// centred, white for a value, pale yellow for a zero, pale cyan on the
// diagonal. The inspector and the verification window fill their grids so,
// and copy them as text.

#include "widgets/FlexGrid.h"

#include <functional>
#include <string>

inline const QColor CorValor(255, 255, 255);
inline const QColor CorZero(255, 255, 192);
inline const QColor CorDiagonal(192, 255, 255);

// g becomes an (n + 1) x (n + 1) grid: header column `larguraCab` twips wide,
// data columns `larguraDados`, or as wide as their widest text needs. texto(r, c) is the text of
// cell (r, c); zero(r, c), when given, tells which cells take the colour of a zero. The diagonal is
// pale cyan either way. One model reset for the whole fill.
void PreencheMatriz(FlexGrid& g, int n, int larguraCab, int larguraDados,
                    const std::function<std::string(int, int)>& texto,
                    const std::function<bool(int, int)>& zero);

// Whether x rounded to 6 decimals is 0.
bool ZeroSeisCasas(double x);

// The data cells of g as text: a tab after each cell but the last of a row,
// CR LF between rows, none after the last.
QString TextoCopiaGrade(const FlexGrid& g);
