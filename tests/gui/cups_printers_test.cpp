#include <QMessageBox>
#include <QPrinterInfo>
#include <QTimer>

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

// A desktop without a print scheduler, as a new user's may be: CUPS is asked at a socket where
// nothing listens. The library keeps the first scheduler it met for the rest of the process,
// so the test runs in a process of its own (ctest gives it one).
class NoSchedulerTest : public WindowTest {
  protected:
    void SetUp() override {
        m_saved = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", "/nonexistent/vantrel/cups.sock");
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
            GTEST_SKIP() << "this process met a print scheduler before; run the test alone";
        }
        m_systemPrinters = true;
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        qputenv("CUPS_SERVER", m_saved);
    }

    QByteArray m_saved;
};

TEST_F(NoSchedulerTest, TheMenuIsEmptyAndPrintingSaysWhy) {
    for (const QAction* entry : Window().findChildren<QAction*>("m_Prn")) {
        EXPECT_FALSE(entry->isVisible()) << entry->text().toStdString();
    }
    EXPECT_TRUE(Menu("m_PEmpty").isVisible());
    ClickKeys({5, 15});
    QString told;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        told = box->text();
        box->accept();
    });
    Menu("m_Print").trigger();
    EXPECT_EQ(told, "The tape could not be printed: no printer is installed.");
    ClickKeys({2, 15});
    EXPECT_EQ(Tape().Store().CurrentLine(), 2);
}

}  // namespace
}  // namespace vantrel::testing
