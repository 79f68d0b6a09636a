#include <QPrinterInfo>

#include "tests/gui/window_fixture.h"
#include "tests/support/print_queues.h"

namespace vantrel::testing {
namespace {

// The printer menu and the tape's printout against the real queues of the test run's own
// scheduler.
class CupsPrintersTest : public WindowTest {
  protected:
    void SetUp() override {
        m_queues = PrivateQueues();
        if (!m_queues) {
            GTEST_SKIP() << "no print queues of the test run's own (scripts/test sets them up)";
        }
        m_systemPrinters = true;
        WindowTest::SetUp();
    }
    QList<QAction*> Entries() const { return Window().findChildren<QAction*>("m_Prn"); }
    QStringList CheckedNames() const {
        QStringList names;
        for (const QAction* entry : Entries()) {
            if (entry->isChecked()) {
                names << entry->text();
            }
        }
        return names;
    }
    void StartWithStoredPrinter(const QString& name) {
        QSettings store = Store();
        store.setValue("Calculator/Printer", name);
        store.sync();
        StartWindow(15);
    }

    std::optional<TestQueues> m_queues;
};

TEST_F(CupsPrintersTest, TheQueuesAreListedInOrderWithTheDefaultChecked) {
    ASSERT_EQ(QPrinterInfo::availablePrinterNames(), m_queues->names);
    for (int i = 0; i < m_queues->names.size(); ++i) {
        EXPECT_EQ(Entries()[i]->text(), m_queues->names[i]);
        EXPECT_TRUE(Entries()[i]->isVisible());
    }
    EXPECT_FALSE(Entries()[m_queues->names.size()]->isVisible());
    EXPECT_EQ(CheckedNames(), QStringList{m_queues->defaultName});
}

TEST_F(CupsPrintersTest, AStoredPrinterIsFoundInAnyLetterCaseAndAGoneOneIsIgnored) {
    const QString wanted = m_queues->names[1];
    StartWithStoredPrinter(wanted.toLower());
    EXPECT_EQ(CheckedNames(), QStringList{wanted});
    StartWithStoredPrinter(QStringLiteral("VantrelGone"));
    EXPECT_EQ(CheckedNames(), QStringList{m_queues->defaultName});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(CupsPrintersTest, AfterAClickTheTapeIsPrintedOnThatQueue) {
    const int entry = 1;
    const QString queue = m_queues->names[entry];
    ASSERT_NE(queue, m_queues->defaultName);
    QFile::remove(m_queues->OutputFile(queue));
    Entries()[entry]->trigger();
    ASSERT_EQ(CheckedNames(), QStringList{queue});
    ClickKeys({7, 3, 1, 15, 9, 2, 15});  // 731 Add, 92 Add
    Menu("m_Print").trigger();
    EXPECT_TRUE(PrintedInOrder(*m_queues, queue, {"731", "92"}))
        << "no printout in " << m_queues->OutputFile(queue).toStdString();
}

}  // namespace
}  // namespace vantrel::testing
