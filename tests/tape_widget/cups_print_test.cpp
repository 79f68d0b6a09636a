#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

#include "pdf_text.h"
#include "tape/calc_tape.h"

namespace vantrel {
namespace {

using testing::ContainsInOrder;
using testing::PdfText;

// Looks for a PDF written after `since` that holds the amounts in order.
bool ArrivedAsPdf(const QString& directory, const QDateTime& since, const QStringList& amounts) {
    const QFileInfoList files =
        QDir(directory).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        if (file.lastModified() >= since &&
            ContainsInOrder(PdfText(file.absoluteFilePath()), amounts)) {
            return true;
        }
    }
    return false;
}

// Prints through the real CUPS queue that scripts/lib/services.sh sets up.
TEST(CupsPrinting, ATapeOnThePdfQueueArrivesWithItsAmountsInOrder) {
    const QString queue = qEnvironmentVariable("VANTREL_PDF_QUEUE");
    if (queue.isEmpty()) {
        GTEST_SKIP() << "VANTREL_PDF_QUEUE is not set: no print queue to print on";
    }
    const QString directory =
        qEnvironmentVariable("VANTREL_PDF_DIR", QDir::home().filePath(QStringLiteral("PDF")));

    // Amounts of this run only, so that an older printout cannot pass for this one.
    const quint32 run = QRandomGenerator::global()->bounded(100000u, 999999u);
    QStringList amounts;
    CalcTape tape;
    for (int i = 1; i <= 6; ++i) {
        amounts << QStringLiteral("%1.%2").arg(run + i).arg(i * 11);
        tape.AddDataLine(amounts.back().toStdString(), TapeOpAdd, true);
    }
    amounts << QStringLiteral("-%1.00").arg(run);
    tape.AddDataLine(amounts.back().toStdString(), TapeOpSubtract, false);
    tape.SetPrinterName(queue);
    tape.setNothingToPrintNotice([] { ADD_FAILURE() << "the tape is not empty"; });

    const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
    tape.PrintContent();

    QElapsedTimer waited;
    waited.start();
    bool arrived = false;
    while (!arrived && waited.elapsed() < 60000) {
        QThread::msleep(250);
        arrived = ArrivedAsPdf(directory, since, amounts);
    }
    EXPECT_TRUE(arrived) << "no PDF with the amounts in " << directory.toStdString();
}

}  // namespace
}  // namespace vantrel
