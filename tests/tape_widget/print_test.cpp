#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "tape/qt/tape_marks.h"
#include "tape/qt/tape_printer.h"
#include "tape/tape_font.h"
#include "tape_fixture.h"
#include "tests/support/pdf_text.h"
#include "tests/support/silent_server.h"
#include "tests/support/tape_printing.h"

namespace vantrel {
namespace {

using testing::ContainsInOrder;
using testing::PdfText;
using testing::PrintingEnds;
using testing::PrintNotices;

QStringList Amounts(int count) {
    QStringList amounts;
    for (int i = 1; i <= count; ++i) {
        amounts << QStringLiteral("%1.%2").arg(1000 + i).arg(i % 100, 2, 10, QLatin1Char('0'));
    }
    return amounts;
}

void AddAmounts(TapeLineStore& store, const QStringList& amounts) {
    for (const QString& amount : amounts) {
        store.AddDataLine(amount.toStdString(), TapeOpAdd, true);
    }
}

TEST(TapePrinting, AnEmptyTapeSaysThereIsNothingToPrint) {
    CalcTape tape;
    PrintNotices notices(tape);
    tape.PrintContent();
    EXPECT_EQ(notices.texts, QStringList{"Nothing to print"});
    tape.AddDataLine("1.00", TapeOpAdd, true);
    tape.SetCurrentLine(0);
    tape.PrintContent();
    EXPECT_EQ(notices.texts, QStringList(2, "Nothing to print"));
}

// That no job reaches any queue is checked on the test run's own queues (cups_print_test.cpp).
// Whether or not a scheduler runs, a printer it does not know is no longer installed.
TEST(TapePrinting, APrintThatCannotStartSaysWhyInOneBox) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"", "The tape could not be printed: no printer is installed."},
        {"no printer of this name",
         "The tape could not be printed: the printer \"no printer of this name\" is no longer "
         "installed."},
    };
    for (const auto& [printer, text] : cases) {
        CalcTape tape;
        PrintNotices notices(tape);
        tape.AddDataLine("1.00", TapeOpAdd, true);
        tape.SetPrinterName(printer);
        tape.PrintContent();
        EXPECT_TRUE(PrintingEnds(tape));
        EXPECT_EQ(notices.texts, QStringList{text});
        EXPECT_EQ(tape.CurrentLine(), 1);
    }
}

// A server that takes the connection and never answers: the tape goes on, a second Print is
// refused while the first waits, and at the limit the user is told. The wait is the real one.
TEST(TapePrinting, ASilentServerIsGivenUpAfterTheLimitAndNothingIsPrintedTwice) {
    const testing::SilentServer silent;
    ASSERT_TRUE(silent.Listening());
    CalcTape tape;
    PrintNotices notices(tape);
    tape.AddDataLine("1.00", TapeOpAdd, true);
    tape.SetPrinterName(QStringLiteral("VantrelTapeA"));
    tape.PrintContent();
    EXPECT_TRUE(tape.Printing());
    tape.AddDataLine("2.00", TapeOpAdd, true);
    tape.PrintContent();
    EXPECT_EQ(notices.texts, QStringList{"The tape is still being printed."});
    EXPECT_TRUE(PrintingEnds(tape, 60000));
    EXPECT_EQ(notices.texts,
              QStringList({"The tape is still being printed.",
                           "The tape could not be printed: the print server did not answer."}));
    EXPECT_EQ(tape.CurrentLine(), 2);
}

class PdfPrinting : public ::testing::Test {
  protected:
    QString Print(const TapeLineStore& store) {
        const QString path = dir.filePath(QStringLiteral("tape.pdf"));
        const QByteArray pdf =
            TapePdf(store, {QString::fromUtf8(kTapeFontFamily), QSizeF(210, 297), "tape"}, marks);
        EXPECT_FALSE(pdf.isEmpty());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
        return path;
    }

    QTemporaryDir dir;
    const TapeMarks marks;
};

TEST_F(PdfPrinting, AmountsComeOutInTheirOrder) {
    TapeLineStore store;
    const QStringList amounts = Amounts(12);
    AddAmounts(store, amounts);
    store.AddDataLine("-7.25", TapeOpSubtract, false);
    store.AddDataLine("12,345.67", TotalCode(13), true);
    const QString path = Print(store);
    ASSERT_TRUE(QFileInfo(path).size() > 0);
    const QString text = PdfText(path);
    EXPECT_TRUE(ContainsInOrder(text, amounts + QStringList{"-7.25", "13", "12,345.67"}))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString(23, QChar(0x2014)))) << text.toStdString();
}

TEST_F(PdfPrinting, ALongTapeFlowsIntoColumnsAndPages) {
    TapeLineStore store;
    const QStringList amounts = Amounts(400);
    AddAmounts(store, amounts);
    const QString path = Print(store);
    const QString text = PdfText(path);
    for (const QString& amount : amounts) {
        ASSERT_TRUE(text.contains(amount)) << amount.toStdString();
    }
    EXPECT_GE(text.count(QChar('\f')), 2) << "more than one page";
}

}  // namespace
}  // namespace vantrel
