#pragma once
// The text of a PDF file as poppler's pdftotext extracts it: text drawn as
// text is found, text drawn as pixels is not. Nothing when the tool is not
// installed (scripts/setup.sh installs it).

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <optional>

inline std::optional<QString> TextoPdf(const QString& arquivo) {
    const QString programa = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programa.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(programa,
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), arquivo, QStringLiteral("-")});
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
