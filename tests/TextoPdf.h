#pragma once
// The text of a PDF file as poppler's pdftotext extracts it: text drawn as
// text is found, text drawn as pixels is not; the words with their boxes;
// the page as pixels. Nothing when the tools are not installed
// (scripts/setup.sh installs them).

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// pdftotext's output for `args` and the file; nothing without the tool, an
// empty text when it fails.
inline std::optional<QString> Pdftotext(QStringList args, const QString& arquivo) {
    const QString programa = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programa.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(programa, args << QStringLiteral("-enc") << QStringLiteral("UTF-8") << arquivo
                           << QStringLiteral("-"));
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline std::optional<QString> TextoPdf(const QString& arquivo) {
    return Pdftotext({}, arquivo);
}

// The words of a PDF's first page with their boxes in points from the page's
// top-left corner, as pdftotext -bbox gives them; nothing without the tool.
struct PalavraPdf {
    QString s;
    QRectF caixa;
};
inline std::optional<std::vector<PalavraPdf>> PalavrasPdf(const QString& arquivo) {
    const auto saida = Pdftotext({QStringLiteral("-bbox")}, arquivo);
    if (!saida) return std::nullopt;
    static const QRegularExpression re(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    std::vector<PalavraPdf> r;
    for (const auto& m : re.globalMatch(*saida))
        r.push_back(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    return r;
}

// The first page rasterised by pdftoppm at `dpi`, by way of a PNG file next
// to the PDF; nothing without the tool.
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
