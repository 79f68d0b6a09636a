#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "tape/tape_font.h"
#include "tape/tape_marks.h"
#include "tape/tape_printer.h"
#include "tape_fixture.h"
#include "tests/support/pdf_text.h"

namespace vantrel {
namespace {

using testing::ContainsInOrder;
using testing::PdfText;

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

// What the tape tells the user, in place of the information box.
struct Notices {
    explicit Notices(CalcTape& tape) {
        tape.SetPrintNotice([this](const QString& text) { texts << text; });
    }
    QStringList texts;
};

TEST(TapePrinting, AnEmptyTapeSaysThereIsNothingToPrint) {
    CalcTape tape;
    Notices notices(tape);
    tape.PrintContent();
    EXPECT_EQ(notices.texts, QStringList{"Nothing to print"});
    tape.AddDataLine("1.00", TapeOpAdd, true);
    tape.SetCurrentLine(0);
    tape.PrintContent();
    EXPECT_EQ(notices.texts, QStringList(2, "Nothing to print"));
}

// That no job reaches any queue is checked on the test run's own queues (cups_print_test.cpp).
TEST(TapePrinting, APrintThatCannotStartSaysWhyInOneBox) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"", "The tape could not be printed: no printer is installed."},
        {"no printer of this name",
         "The tape could not be printed: the printer \"no printer of this name\" is no longer "
         "installed."},
    };
    for (const auto& [printer, text] : cases) {
        CalcTape tape;
        Notices notices(tape);
        tape.AddDataLine("1.00", TapeOpAdd, true);
        tape.SetPrinterName(printer);
        tape.PrintContent();
        EXPECT_EQ(notices.texts, QStringList{text});
        EXPECT_EQ(tape.CurrentLine(), 1);
    }
}

class PdfPrinting : public ::testing::Test {
  protected:
    QString Print(const TapeLineStore& store) {
        const QString path = dir.filePath(QStringLiteral("tape.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        EXPECT_TRUE(PrintTape(printer, store, QString::fromUtf8(kTapeFontFamily), marks));
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
