// A number box never cuts its number: it shrinks the font to fit, and past
// a readable size shows the first digits with the whole text as tooltip.
#include "widgets/TextoInteiro.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace {

bool Cabe(const QLineEdit& t) {
    return QFontMetricsF(t.font()).horizontalAdvance(t.text()) <= LarguraUtil(&t);
}

TEST(TextoInteiro, FonteEncolheAteOTextoCaber) {
    QLineEdit t;
    t.setFixedSize(41, 19); // a shift box
    const QFont base = t.font();
    MostraTextoInteiro(&t);
    t.setText(QStringLiteral("1"));
    EXPECT_EQ(t.font(), base);
    for (const char* s : {"2589,92", "-2589,92", "-14,36"}) {
        t.setText(QString::fromUtf8(s));
        EXPECT_TRUE(Cabe(t)) << s;
        EXPECT_LT(t.font().pointSizeF(), base.pointSizeF()) << s;
        EXPECT_TRUE(t.toolTip().isEmpty()) << s;
    }
    t.setText(QStringLiteral("12"));
    EXPECT_EQ(t.font(), base) << "back to its own size";

    // Too long for any readable size: the first digits, the whole in the tooltip.
    t.setText(QStringLiteral("1234567890,123456"));
    EXPECT_FALSE(Cabe(t));
    EXPECT_GE(t.font().pointSizeF(), 0.59 * base.pointSizeF());
    EXPECT_EQ(t.cursorPosition(), 0);
    EXPECT_EQ(t.toolTip(), t.text());
}

} // namespace
