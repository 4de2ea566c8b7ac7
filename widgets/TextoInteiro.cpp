#include "widgets/TextoInteiro.h"

#include <QFontMetricsF>
#include <QStyle>

#include <algorithm>

namespace {

constexpr double MenorEscala = 0.6;

QFont Escalada(const QFont& base, double escala) {
    QFont f = base;
    if (base.pointSizeF() > 0)
        f.setPointSizeF(base.pointSizeF() * escala);
    else
        f.setPixelSize(std::max(1, int(base.pixelSize() * escala)));
    return f;
}

} // namespace

int LarguraUtil(const QLineEdit* t) {
    // The frame on either side, QLineEdit's own 2-pixel margin inside it,
    // the text margins and one pixel for the cursor.
    const int moldura = t->hasFrame() ? t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QMargins m = t->textMargins();
    return t->contentsRect().width() - 2 * moldura - 4 - m.left() - m.right() - 1;
}

QFont FonteQueCabe(const QLineEdit* t, const QFont& base, const QString& texto) {
    const double util = LarguraUtil(t);
    const double largura = QFontMetricsF(base).horizontalAdvance(texto);
    if (largura <= util || largura <= 0) return base;
    // Point sizes round, so step down until the measured text fits.
    for (double escala = util / largura; escala > MenorEscala; escala -= 0.02) {
        const QFont f = Escalada(base, escala);
        if (QFontMetricsF(f).horizontalAdvance(texto) <= util) return f;
    }
    return Escalada(base, MenorEscala);
}

void MostraTextoInteiro(QLineEdit* t) {
    const QFont base = t->font();
    QObject::connect(t, &QLineEdit::textChanged, t, [t, base](const QString& s) {
        const QFont f = FonteQueCabe(t, base, s);
        if (f != t->font()) t->setFont(f);
        const bool cabe = QFontMetricsF(f).horizontalAdvance(s) <= LarguraUtil(t);
        t->setToolTip(cabe ? QString() : s);
        if (!cabe && !t->hasFocus()) t->setCursorPosition(0);
    });
}
