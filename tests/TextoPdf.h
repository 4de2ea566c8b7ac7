#pragma once
// A PDF's first page as pixels, by poppler's pdftoppm; nothing when the tool
// is not installed (scripts/setup.sh installs it).

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QString>

#include <optional>

// The first page rasterised at `dpi`, by way of a PNG file next to the PDF.
inline std::optional<QImage> ImagemPdf(const QString& arquivo, int dpi) {
    const QString programa = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (programa.isEmpty()) return std::nullopt;
    const QString raiz = arquivo + QStringLiteral(".pagina");
    QProcess p;
    p.start(programa, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-singlefile"),
                       QStringLiteral("-png"), arquivo, raiz});
    QImage im;
    if (p.waitForFinished(-1) && p.exitCode() == 0) im.load(raiz + QStringLiteral(".png"));
    return im;
}

// The smallest rectangle that holds every pixel of `im` that is not white.
inline QRect Tinta(const QImage& im) {
    QRect r;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if ((im.pixel(x, y) & 0xffffff) != 0xffffff) r |= QRect(x, y, 1, 1);
    return r;
}
