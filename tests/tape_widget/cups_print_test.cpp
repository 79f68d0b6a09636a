#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "tape/qt/calc_tape.h"
#include "tests/support/print_queues.h"
#include "tests/support/tape_printing.h"

namespace vantrel {
namespace {

using testing::JobCount;
using testing::PrintedInOrder;
using testing::PrintingEnds;

// Prints through the real queues of the test run's own scheduler.
class CupsPrinting : public testing::OnPrivateQueues<::testing::Test> {
  protected:
    // Amounts of this run only, so that an older printout cannot pass for this one.
    QStringList AddAmounts() {
        const quint32 run = QRandomGenerator::global()->bounded(100000u, 999999u);
        QStringList amounts;
        for (int i = 1; i <= 6; ++i) {
            amounts << QStringLiteral("%1.%2").arg(run + i).arg(i * 11);
            m_tape.AddDataLine(amounts.back().toStdString(), TapeOpAdd, true);
        }
        amounts << QStringLiteral("-%1.00").arg(run);
        m_tape.AddDataLine(amounts.back().toStdString(), TapeOpSubtract, false);
        return amounts;
    }

    CalcTape m_tape;
    testing::PrintNotices m_notices{m_tape};
};

TEST_F(CupsPrinting, ATapeArrivesOnItsQueueWithItsAmountsInOrder) {
    const QString queue = m_queues->names.front();
    ASSERT_NE(queue, m_queues->defaultName) << "a job on the default queue would prove nothing";
    const QStringList amounts = AddAmounts();
    m_tape.SetPrinterName(queue);
    m_tape.PrintContent();
    EXPECT_TRUE(PrintedInOrder(*m_queues, queue, amounts))
        << "no printout in " << m_queues->OutputFile(queue).toStdString();
    EXPECT_TRUE(m_notices.texts.isEmpty()) << m_notices.texts.join('\n').toStdString();
}

// Qt sends a job for an unknown printer to the default one, and with no printer at all writes
// a PDF file; neither may happen, and the user is told why nothing was printed.
TEST_F(CupsPrinting, WithoutItsPrinterATapeIsPrintedNowhere) {
    AddAmounts();
    const int jobsBefore = JobCount(m_queues->defaultName);
    ASSERT_GE(jobsBefore, 0);
    for (const QString& name : {QStringLiteral("VantrelGone"), QString()}) {
        m_tape.SetPrinterName(name);
        m_tape.PrintContent();
        ASSERT_TRUE(PrintingEnds(m_tape));
    }
    EXPECT_EQ(JobCount(m_queues->defaultName), jobsBefore);
    EXPECT_EQ(m_tape.CurrentLine(), 7);
    EXPECT_EQ(m_notices.texts,
              QStringList({"The tape could not be printed: the printer \"VantrelGone\" is no "
                           "longer installed.",
                           "The tape could not be printed: no printer is installed."}));
}

}  // namespace
}  // namespace vantrel
