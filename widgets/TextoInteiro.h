#pragma once
// A number box narrower than its number: "2589,92" in a box made for four
// digits would show "589,92", a different number. The box shrinks its font
// until the whole text fits, down to three fifths of its own size; beyond
// that the text starts at its first digit and the tooltip holds it whole.

#include <QLineEdit>

// Pixels of text the box can show.
int LarguraUtil(const QLineEdit* t);
// The font the box shows `texto` in, from its own font `base`.
QFont FonteQueCabe(const QLineEdit* t, const QFont& base, const QString& texto);
void MostraTextoInteiro(QLineEdit* t);
