#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "commands/qt/keypad_button.h"
#include "shell/frm_main.h"
#include "shell/settings_store.h"
#include "shell/value_label.h"
#include "tape/print_server.h"
#include "tape/qt/calc_tape.h"
#include "tests/support/print_queues.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vantrel::testing {

class CountingTones : public TonePort {
  public:
    explicit CountingTones(int& count) : m_count(count) {}
    void ErrorBeep() override { ++m_count; }

  private:
    int& m_count;
};

// Printers that the test installs and removes at will: it keeps the list, the window reads it
// and hears at once.
class FakePrinters : public PrinterList {
  public:
    FakePrinters(const QStringList& names, const QString& defaultName)
        : m_names(names), m_default(defaultName) {}
    void Read(QObject&, std::function<void(const PrinterNames&)> arrived) override {
        arrived({m_names, m_default});
    }

  private:
    const QStringList& m_names;
    const QString& m_default;
};

// Waits for a condition while the event loop runs, at most `milliseconds`.
inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 2000) {
    return QTest::qWaitFor(condition, milliseconds);
}

// A freshly started main window on screen, with an empty settings store, the test's own
// printers (none unless it adds some) and counted beeps.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile::remove(SettingsFilePath());
        StartWindow(std::nullopt);
    }
    void TearDown() override { m_window.reset(); }

    void StartWindow(std::optional<int> twipsPerPixel) {
        Restart(twipsPerPixel);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        // The test's own list is there as soon as the window asks, once it is on screen; the
        // system's may be slow or never come.
        if (!m_systemPrinters) {
            ASSERT_TRUE(PrintersRead());
        }
    }

    // The window reads the printer list once it is on screen.
    void ShowAndReadPrinters() {
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        ASSERT_TRUE(PrintersRead());
    }

    // A new start as the program makes one, from the settings store as it stands, not shown.
    void Restart(std::optional<int> twipsPerPixel = 15) {
        m_window.reset();
        m_window = std::make_unique<FrmMain>(FrmMainOptions{
            twipsPerPixel, std::make_unique<CountingTones>(m_beeps),
            m_systemPrinters ? nullptr
                             : std::make_unique<FakePrinters>(m_printers, m_defaultPrinter),
            m_desktop, std::nullopt});
    }

    // The store as another program would read it.
    static QSettings Store() { return QSettings(SettingsFilePath(), QSettings::IniFormat); }

    FrmMain& Window() const { return *m_window; }
    ValueLabel& Label(const char* name) const { return *Find<ValueLabel>(name); }
    ValueLabel& Display() const { return Label("C_Display"); }
    KeypadButton& Key(int index) const {
        return *Find<KeypadButton>(("theButton" + std::to_string(index)).c_str());
    }
    CalcTape& Tape() const { return *Find<CalcTape>("CalcTape1"); }
    QAction& Menu(const char* name) const { return *Find<QAction>(name); }

    template <typename T>
    T* Find(const char* name) const {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The text the display settles on once a result blink has ended.
    QString SettledDisplay() const {
        WaitFor([this] { return !Display().text().isEmpty(); });
        return Display().text();
    }

    // Waits until the printer list has been read and File > Select Printer filled.
    bool PrintersRead() const {
        return WaitFor([this] { return Menu("m_PEmpty").text() == "(Empty)"; },
                       static_cast<int>(std::chrono::milliseconds(kPrintServerLimit).count()));
    }

    void ClickKey(int index) const { QTest::mouseClick(&Key(index), Qt::LeftButton); }
    void ClickKeys(std::initializer_list<int> indices) const {
        for (const int index : indices) {
            ClickKey(index);
        }
    }

    int m_beeps = 0;
    QStringList m_printers;
    QString m_defaultPrinter;
    // The printers of the system's printer service instead of the two above.
    bool m_systemPrinters = false;
    // What the window system does for windows; the platform's word when not set.
    std::optional<DesktopAbilities> m_desktop;
    std::unique_ptr<FrmMain> m_window;
};

// The window on the system's printer service, which is the test run's own scheduler, once it
// has read the printer list.
class QueuesWindowTest : public OnPrivateQueues<WindowTest> {
  protected:
    void SetUp() override {
        m_systemPrinters = true;
        OnPrivateQueues::SetUp();
        if (m_queues) {
            ASSERT_TRUE(PrintersRead());
        }
    }
};

}  // namespace vantrel::testing
