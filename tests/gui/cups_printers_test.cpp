#include <QMessageBox>
#include <QTimer>

#include "tests/gui/window_fixture.h"
#include "tests/support/silent_server.h"

namespace vantrel::testing {
namespace {

// The printer menu and the tape's printout against the real queues of the test run's own
// scheduler.
class CupsPrintersTest : public QueuesWindowTest {
  protected:
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
        ASSERT_TRUE(PrintersRead());
    }
};

TEST_F(CupsPrintersTest, TheQueuesAreListedInOrderWithTheDefaultChecked) {
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
    // The click asks the server whether the printer is still there.
    ASSERT_TRUE(WaitFor([&] { return CheckedNames() == QStringList{queue}; }));
    ClickKeys({7, 3, 1, 15, 9, 2, 15});  // 731 Add, 92 Add
    Menu("m_Print").trigger();
    EXPECT_TRUE(PrintedInOrder(*m_queues, queue, {"731", "92"}))
        << "no printout in " << m_queues->OutputFile(queue).toStdString();
}

// Print, then the window closed at once: the job on the worker goes out whole before the
// window has gone.
TEST_F(CupsPrintersTest, ATapePrintedAsTheWindowClosesIsPrintedWhole) {
    const QString queue = m_queues->defaultName;
    QFile::remove(m_queues->OutputFile(queue));
    ClickKeys({4, 4, 15, 8, 15});  // 44 Add, 8 Add
    Menu("m_Print").trigger();
    m_window.reset();
    EXPECT_TRUE(PrintedInOrder(*m_queues, queue, {"44", "8"}))
        << "no printout in " << m_queues->OutputFile(queue).toStdString();
}

// The window asks the print server named at the moment it asks, at `server`.
class OtherServerTest : public WindowTest {
  protected:
    void UseServer(const QByteArray& server) {
        m_server.emplace("CUPS_SERVER", server);
        m_systemPrinters = true;
        WindowTest::SetUp();
    }
    void SetUp() override { QFile::remove(SettingsFilePath()); }

    // What the box that Print opens says; the box is answered OK.
    QString TextOfThePrintBox() {
        QString told;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            told = box->text();
            box->accept();
        });
        Menu("m_Print").trigger();
        return told;
    }

    std::optional<ScopedVariable> m_server;
};

// A desktop without a print scheduler, as a new user's may be: nothing listens at the socket.
TEST_F(OtherServerTest, WithoutASchedulerTheMenuIsEmptyAndPrintingSaysWhy) {
    UseServer("/nonexistent/vantrel/cups.sock");
    ASSERT_TRUE(PrintersRead());
    for (const QAction* entry : Window().findChildren<QAction*>("m_Prn")) {
        EXPECT_FALSE(entry->isVisible()) << entry->text().toStdString();
    }
    EXPECT_TRUE(Menu("m_PEmpty").isVisible());
    ClickKeys({5, 15});
    EXPECT_EQ(TextOfThePrintBox(), "The tape could not be printed: no printer is installed.");
    ClickKeys({2, 15});
    EXPECT_EQ(Tape().Store().CurrentLine(), 2);
}

// An office server gone quiet: it takes the connection and never answers. The window is there
// and working while the list is still being asked for.
TEST_F(OtherServerTest, ASilentServerHoldsUpNeitherTheWindowNorTheKeys) {
    const SilentServer silent;
    ASSERT_TRUE(silent.Listening());
    {
        QSettings store = Store();
        store.setValue("Calculator/Printer", "VantrelTapeA");
    }
    m_systemPrinters = true;
    StartWindow(15);
    EXPECT_TRUE(Menu("m_PEmpty").isVisible());
    EXPECT_EQ(Menu("m_PEmpty").text(), QStringLiteral("(Loading printers\u2026)"));
    ClickKeys({4, 15, 5, 15});
    EXPECT_EQ(Tape().Store().CurrentLine(), 2);

    Menu("m_Print").trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the job waits on a worker";
    ClickKeys({6, 15});
    EXPECT_EQ(Tape().Store().CurrentLine(), 3);
    EXPECT_EQ(TextOfThePrintBox(), "The tape is still being printed.");
    Menu("m_SaveSettings").trigger();
    EXPECT_EQ(Store().value("Calculator/Printer").toString(), "VantrelTapeA")
        << "the stored printer stays while the list is not there";
}

}  // namespace
}  // namespace vantrel::testing
