#pragma once
// The one decimal separator the program writes and reads: the locale's when
// it is '.' or ','. Any other (Arabic and Persian use U+066B) would be no
// byte a data file or a number box could hold, so it becomes '.'.

#include <QLocale>

inline char SeparadorDecimal(const QLocale& local) {
    return local.decimalPoint() == QStringLiteral(",") ? ',' : '.';
}
