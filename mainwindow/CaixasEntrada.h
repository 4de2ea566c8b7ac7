#pragma once
// What the input panel and the coupling grid build their controls with, and
// how Enter treats a number box in both.

#include "texto/TextoDecimal.h"
#include "widgets/AltDeMenu.h"
#include "widgets/TextoInteiro.h"
#include "widgets/Twips.h"
#include "widgets/UmaLinha.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>

inline QFont FonteNegrita() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    f.setBold(true);
    return f;
}

// The two headings over the shifts and the couplings.
inline QFont FonteCabecalho() {
    QFont f(QStringLiteral("Benguiat Bk BT"));
    f.setFamilies({QStringLiteral("Benguiat Bk BT"), QStringLiteral("Liberation Serif")});
    f.setPointSizeF(9.75);
    f.setBold(true);
    return f;
}

inline QLabel* Rotulo(const QString& texto, QWidget* pai, int esq, int topo, int larg, int alt) {
    auto* l = new QLabel(texto, pai);
    ColocaTwips(l, esq, topo, larg, alt);
    return l;
}

inline QLineEdit* Caixa(QWidget* pai, int esq, int topo, int larg, int alt = 285) {
    auto* t = new QLineEdit(pai);
    ColocaTwips(t, esq, topo, larg, alt);
    SoUmaLinha(t);
    MostraTextoInteiro(t);
    new AltDeMenu(t);
    return t;
}

// Enter in a shift or coupling box: an empty box is left alone, any other
// gets the user's decimal separator.
inline bool NormalizaCaixa(QLineEdit* t, char SepDec) {
    if (t->text().isEmpty()) return false;
    std::string s = t->text().toStdString();
    const QString normal = QString::fromStdString(AjSepDecimal(s, SepDec));
    if (normal != t->text()) t->setText(normal);
    return true;
}

inline void FocoSelecionado(QLineEdit* t) {
    t->setFocus(Qt::OtherFocusReason);
    t->selectAll();
}

// After Enter: a box that holds no number keeps the keyboard, its text
// selected, so the user mends it where the message said.
inline bool RetemSeInvalida(QLineEdit* t, char SepDec) {
    std::string texto = t->text().toStdString();
    if (ConverteNumero(AjSepDecimal(texto, SepDec), SepDec)) return false;
    FocoSelecionado(t);
    return true;
}
