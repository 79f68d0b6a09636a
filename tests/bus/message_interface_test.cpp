#include <gtest/gtest.h>
#include <unistd.h>

#include <QDBusPendingCallWatcher>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "core/vocabulary.h"
#include "tests/bus/window_on_bus.h"
#include "tests/support/scoped_variable.h"

namespace vantrel::testing {
namespace {

constexpr int kAddKey = ValueOf(CommandIndex::Add);
constexpr int kMemoryRestoreKey = ValueOf(CommandIndex::MemoryRestore);
constexpr int kMemoryAddKey = ValueOf(CommandIndex::MemoryAdd);
constexpr int kClearAllKey = ValueOf(CommandIndex::ClearAll);
constexpr int kUndoKey = ValueOf(CommandIndex::Undo);

int Answer(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toInt() : -1;
}

class MessageInterface : public WindowOnBusTest {
  protected:
    QString DisplayText() const { return Property(m_name, "DisplayText").toString(); }
    bool ErrorState() const { return Property(m_name, "ErrorState").toBool(); }
    int TapeCount() const { return static_cast<int>(TapeLines(m_name).size()); }
};

TEST_F(MessageInterface, PushedAmountsReplaceTheEntryAndReachTheTape) {
    const struct {
        uint wParam;
        uint lParam;
        const char* display;
        const char* tape;
        bool normalInk;
    } rows[] = {
        {15'000, 0, "1.5 ", "1.5", true},
        {0, 0, "0. ", "0", true},
        {4'294'917'296u, 0xFFFFFFFFu, "-5. ", "-5", false},
        {0, 1, "429,496.7296 ", "429,496.7296", true},
    };
    for (const auto& row : rows) {
        ClickKeys({7, 7});
        ASSERT_EQ(Answer(Input(m_name, row.wParam, row.lParam)), 0) << row.display;
        EXPECT_EQ(DisplayText(), row.display);
        EXPECT_EQ(Display().text(), row.display);
        ASSERT_EQ(Answer(Operate(m_name, 2)), 0);
        const TapeLineRecords lines = TapeLines(m_name);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.back().NumStr, row.tape);
        EXPECT_EQ(lines.back().Op, 2);
        EXPECT_EQ(lines.back().CLR, row.normalInk);
    }
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(MessageInterface, OperateTakesTheLow16BitsAndSurvivesAnyIndex) {
    Input(m_name, 50'000, 0);
    Operate(m_name, 2);
    for (const uint wParam : {0u, 13u, 0xFFFFFFFFu, 65'535u, 0x12345678u, 0x8000u}) {
        EXPECT_EQ(Answer(Operate(m_name, wParam, 0xFFFFFFFFu)), 0) << wParam;
        EXPECT_EQ(TapeCount(), 1) << wParam;
    }
    EXPECT_EQ(Property(m_name, "CounterText").toString(), "1 ");
    EXPECT_EQ(Answer(Operate(m_name, 0x10002u)), 0) << "the low half is Add";
    EXPECT_EQ(TapeCount(), 2);
    EXPECT_EQ(Property(m_name, "CounterText").toString(), "2 ");
}

TEST_F(MessageInterface, OperationsPassTheKeypadsErrorGate) {
    Input(m_name, 80'000, 0);
    Operate(m_name, 3);
    Input(m_name, 0, 0);
    Operate(m_name, 6);
    ASSERT_TRUE(ErrorState());
    ASSERT_EQ(DisplayText(), "-Error- ");
    const int lines = TapeCount();

    ClickKey(kMemoryRestoreKey);
    EXPECT_EQ(m_beeps, 1);
    EXPECT_EQ(TapeCount(), lines);

    EXPECT_EQ(Answer(Operate(m_name, 7)), 0);
    EXPECT_EQ(TapeCount(), lines + 1);
    EXPECT_EQ(TapeLines(m_name).back().Op, 7);
    EXPECT_EQ(DisplayText(), "0. ");
    EXPECT_TRUE(ErrorState()) << "only Clear All and Undo end the error state";
}

TEST_F(MessageInterface, ReadBackShowsTheLabelsAndTheTapeUpToItsCount) {
    ClickKeys({1, 2, kAddKey, kMemoryAddKey, 3, kAddKey});
    EXPECT_EQ(Property(m_name, "MemoryText").toString(), Label("LMem").text());
    EXPECT_NE(Label("LMem").text(), "0. ");
    EXPECT_EQ(Property(m_name, "CounterText").toString(), "2 ");
    EXPECT_EQ(TapeCount(), 3);

    ClickKey(kUndoKey);
    const TapeLineRecords lines = TapeLines(m_name);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].NumStr, "12");
    EXPECT_EQ(lines[1].Op, 6) << "the memory add line";
}

TEST_F(MessageInterface, EveryChangeIsAnnouncedOnceWithJustTheChangedValues) {
    PropertiesRecorder recorder(m_name);
    const auto step = [&](const std::function<void()>& act, std::size_t announced) {
        act();
        WaitFor([&] { return recorder.changes.size() >= announced; });
    };
    Input(m_name, 50'000, 0);
    ASSERT_EQ(recorder.changes.size(), 1u) << "a call's signal comes before its answer";
    step([&] { Operate(m_name, 2); }, 2);  // the blink reports the total to come, unchanged
    step([&] { ClickKey(7); }, 3);
    step([&] { Operate(m_name, 3); }, 3);
    step([&] { Input(m_name, 0, 0); }, 4);
    step([&] { Operate(m_name, 6); }, 5);
    step([&] { ClickKey(kClearAllKey); }, 6);

    const std::vector<QVariantMap> expected = {
        {{"DisplayText", "5. "}},
        {{"CounterText", "1 "}},
        {{"DisplayText", "7. "}},
        {{"DisplayText", "0. "}},
        {{"DisplayText", "-Error- "}, {"ErrorState", true}},
        {{"DisplayText", "0. "}, {"CounterText", "0 "}, {"ErrorState", false}},
    };
    EXPECT_EQ(recorder.changes, expected);
    EXPECT_EQ(recorder.interfaces, QStringList(6, QString::fromLatin1(kCalculatorInterface)));
    EXPECT_TRUE(recorder.invalidated.isEmpty());
}

TEST_F(MessageInterface, CallsAreServedWhileAModalBoxIsOpen) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Vantrel Calculator"),
                    QStringLiteral("Nothing to print"), QMessageBox::Ok, &Window());
    QDBusMessage call = QDBusMessage::createMethodCall(m_name, QString::fromLatin1(kCalculatorPath),
                                                       QString::fromLatin1(kCalculatorInterface),
                                                       QStringLiteral("Tavrin_INPUT"));
    call << 15'000u << 0u;
    QDBusPendingCallWatcher watcher(Client().asyncCall(call));
    std::optional<bool> servedWhileOpen;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &box, [&] {
        servedWhileOpen = box.isVisible();
        box.done(QMessageBox::Ok);
    });
    // Only so that a window that is not served cannot keep the box open for ever.
    QTimer::singleShot(10'000, &box, [&box] { box.done(QMessageBox::Cancel); });
    box.exec();

    ASSERT_TRUE(servedWhileOpen.has_value()) << "no answer while the box was open";
    EXPECT_TRUE(*servedWhileOpen);
    EXPECT_EQ(Answer(watcher.reply()), 0);
    EXPECT_EQ(Display().text(), "1.5 ");
}

// The interface appears only once start-up has put the stored settings into effect: a window
// hooked any earlier would be seen in the first-run mode and then announce the switch.
TEST_F(MessageInterface, AStartedWindowIsServedInItsStoredModeAndAnnouncesNothing) {
    m_window.reset();
    {
        QSettings store = Store();
        store.setValue(QStringLiteral("Calculator/RoundOption"), QStringLiteral("5"));
    }
    StartWindow(15);
    const QStringList names = OwnProcessNames();
    ASSERT_EQ(names.size(), 1);
    const PropertiesRecorder recorder(names.front());
    QTest::qWait(200);
    EXPECT_TRUE(recorder.changes.empty());
    EXPECT_EQ(Property(names.front(), "DisplayText").toString(), "0.00 ");
}

// Joining the bus waits on the bus daemon, which must not hold up the window's first frame.
TEST_F(MessageInterface, AWindowJoinsTheBusOnceItIsOnScreen) {
    Restart();
    QTest::qWait(50);
    EXPECT_TRUE(OwnProcessNames().isEmpty()) << "on the bus before it was shown";
    ShowAndReadPrinters();
    EXPECT_EQ(OwnProcessNames().size(), 1);
}

// Everything the process writes to its standard error while it lives, stdio and libdbus
// included.
class StderrCapture {
  public:
    StderrCapture() : m_saved(dup(STDERR_FILENO)) {
        std::fflush(stderr);
        m_file.open();
        dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { Release(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    QByteArray Release() {
        if (m_saved >= 0) {
            std::fflush(stderr);
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
            m_saved = -1;
        }
        m_file.seek(0);
        return m_file.readAll();
    }

  private:
    QTemporaryFile m_file;
    int m_saved;
};

// Starts the window as the program does, with the bus to be found only through
// XDG_RUNTIME_DIR, or not at all.
class MessageInterfaceBusLookup : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(HaveSessionBus()) << kNeedsSessionBus;
        ASSERT_TRUE(Client().isConnected());
        m_address.emplace("DBUS_SESSION_BUS_ADDRESS", std::nullopt);
        m_runtimeDir.emplace("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
    }

    QTemporaryDir m_dir;
    std::optional<ScopedVariable> m_address;
    std::optional<ScopedVariable> m_runtimeDir;
};

TEST_F(MessageInterfaceBusLookup, WithoutABusTheWindowWorksSilently) {
    StderrCapture capture;
    KeepSessionBusFromAutolaunching();
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "disabled:");
    WindowTest::SetUp();
    ClickKeys({2, kAddKey});
    EXPECT_EQ(SettledDisplay(), "2. ");
    // The offscreen platform's own notice is the one line that is not the window's.
    const QByteArray written =
        capture.Release().replace("This plugin does not support propagateSizeHints()\n", "");
    EXPECT_TRUE(OwnProcessNames().isEmpty());
    EXPECT_EQ(written.toStdString(), "");
}

TEST_F(MessageInterfaceBusLookup, TheUsersBusSocketIsFoundInTheRuntimeDirectory) {
    const QString address = QString::fromLocal8Bit(m_address->Saved().value_or(""));
    ASSERT_TRUE(address.startsWith("unix:path="))
        << "needs a bus at a path: " << address.toStdString();
    const QString socket = address.section(u'=', 1).section(u',', 0, 0);
    ASSERT_TRUE(QFile::link(socket, m_dir.filePath("bus")));
    KeepSessionBusFromAutolaunching();
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"),
              "unix:path=" + m_dir.filePath("bus").toLocal8Bit());
    WindowTest::SetUp();
    const QStringList names = OwnProcessNames();
    ASSERT_EQ(names.size(), 1);
    EXPECT_EQ(Answer(Input(names.front(), 15'000, 0)), 0);
    EXPECT_EQ(Display().text(), "1.5 ");
}

}  // namespace
}  // namespace vantrel::testing
