#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QTest>

#include "tape/qt/calc_tape.h"
#include "tests/support/print_queues.h"

namespace vantrel {
namespace {

using testing::JobCount;
using testing::PrintedInOrder;
using testing::PrivateQueues;
using testing::TestQueues;

// Prints through the real queues of the test run's own scheduler.
class CupsPrinting : public ::testing::Test {
  protected:
    void SetUp() override {
        m_queues = PrivateQueues();
        if (!m_queues) {
            GTEST_SKIP() << "no print queues of the test run's own (scripts/test sets them up)";
        }
        m_tape.SetPrintNotice([this](const QString& text) { m_notices << text; });
    }

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

    std::optional<TestQueues> m_queues;
    CalcTape m_tape;
    QStringList m_notices;
};

TEST_F(CupsPrinting, ATapeArrivesOnItsQueueWithItsAmountsInOrder) {
    const QString queue = m_queues->names.front();
    ASSERT_NE(queue, m_queues->defaultName) << "a job on the default queue would prove nothing";
    const QStringList amounts = AddAmounts();
    m_tape.SetPrinterName(queue);
    m_tape.PrintContent();
    EXPECT_TRUE(PrintedInOrder(*m_queues, queue, amounts))
        << "no printout in " << m_queues->OutputFile(queue).toStdString();
    EXPECT_TRUE(m_notices.isEmpty()) << m_notices.join('\n').toStdString();
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
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_tape.Printing(); }, 40000));
    }
    EXPECT_EQ(JobCount(m_queues->defaultName), jobsBefore);
    EXPECT_EQ(m_tape.CurrentLine(), 7);
    EXPECT_EQ(m_notices,
              QStringList({"The tape could not be printed: the printer \"VantrelGone\" is no "
                           "longer installed.",
                           "The tape could not be printed: no printer is installed."}));
}

}  // namespace
}  // namespace vantrel
