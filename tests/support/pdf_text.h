#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace vantrel::testing {

// The text of a PDF file as pdftotext reads it; empty when the tool fails.
inline QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Whether every one of `expected` occurs in `text`, each after the one before.
inline bool ContainsInOrder(const QString& text, const QStringList& expected) {
    qsizetype from = 0;
    for (const QString& part : expected) {
        const qsizetype found = text.indexOf(part, from);
        if (found < 0) {
            return false;
        }
        from = found + part.size();
    }
    return true;
}

}  // namespace vantrel::testing
