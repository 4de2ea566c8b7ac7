#pragma once
// A number copied from a spreadsheet or a web page often brings its line
// break along; the box would show "5" and hold "5\n", which no run can read.

#include <QLineEdit>
#include <QObject>

inline void SoUmaLinha(QLineEdit* t) {
    QObject::connect(t, &QLineEdit::textChanged, t, [t](const QString& s) {
        if (!s.contains(QLatin1Char('\n')) && !s.contains(QLatin1Char('\r'))) return;
        QString limpo = s;
        limpo.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        t->setText(limpo.trimmed());
    });
}
