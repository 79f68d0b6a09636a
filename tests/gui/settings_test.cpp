#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>

#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

class SettingsTest : public WindowTest {
  protected:
    static void WriteStore(const QByteArray& content) {
        QFile out(SettingsFilePath());
        QDir().mkpath(QFileInfo(out).path());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(content);
    }
    static QByteArray StoreContent() {
        QFile in(SettingsFilePath());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    static QRect Screen() { return QGuiApplication::primaryScreen()->geometry(); }
    QRadioButton& RoundOpt(int index) const {
        return *Find<QRadioButton>(("RoundOpt" + std::to_string(index)).c_str());
    }
    // Changes everything Save Settings writes, away from the first-run state.
    void ChangeEverything() {
        Menu("m_ShowTape").trigger();
        Menu("m_OnTop").trigger();
        QTest::mouseClick(&RoundOpt(5), Qt::LeftButton);
        Window().resize(Window().width(), 420);
        Window().move(40, 30);
        Window().findChildren<QAction*>("m_Prn")[1]->trigger();
    }
};

// A desktop that cannot keep a window above gets no check mark claiming it, and the user's
// choice outlives it: saved as chosen, it applies again where the desktop honours it.
TEST_F(SettingsTest, AlwaysOnTopRefusedByTheDesktopKeepsTheStoredChoice) {
    m_desktop = DesktopAbilities{.keepsWindowsAbove = false, .tellsWindowPositions = true};
    StartWindow(15);
    QAction& onTop = Menu("m_OnTop");
    EXPECT_FALSE(onTop.isEnabled());
    EXPECT_FALSE(onTop.isChecked());
    EXPECT_EQ(onTop.toolTip(), "This desktop does not let programs stay on top");
    EXPECT_FALSE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    onTop.trigger();
    EXPECT_FALSE(onTop.isChecked()) << "a disabled entry takes no click";
    Menu("m_SaveSettings").trigger();
    EXPECT_EQ(Store().value("Calculator/AlwaysOnTop").toString(), "True");

    WriteStore("[Calculator]\nAlwaysOnTop=False\n");
    Restart();
    Menu("m_Default").trigger();
    Menu("m_SaveSettings").trigger();
    EXPECT_EQ(Store().value("Calculator/AlwaysOnTop").toString(), "True")
        << "Restore Default chooses on top again, disabled or not";

    WriteStore("[Calculator]\nAlwaysOnTop=False\n");
    Restart();
    Menu("m_SaveSettings").trigger();
    EXPECT_EQ(Store().value("Calculator/AlwaysOnTop").toString(), "False");

    m_desktop = DesktopAbilities{};
    WriteStore("[Calculator]\nAlwaysOnTop=True\n");
    Restart();
    EXPECT_TRUE(Menu("m_OnTop").isEnabled());
    EXPECT_TRUE(Menu("m_OnTop").isChecked());
    EXPECT_TRUE(Menu("m_OnTop").toolTip().isEmpty() ||
                Menu("m_OnTop").toolTip() == Menu("m_OnTop").text());
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// A Wayland compositor tells no window where it is: the stored place is saved again as it
// was, not as the corner the window seems to be in.
TEST_F(SettingsTest, PositionUnknownToTheDesktopIsSavedAsStored) {
    m_desktop = DesktopAbilities{.keepsWindowsAbove = false, .tellsWindowPositions = false};
    WriteStore("[Calculator]\nWindowTop=3000\nWindowLeft=4500\n");
    StartWindow(15);
    Window().move(10, 20);
    Menu("m_SaveSettings").trigger();
    EXPECT_EQ(Store().value("Calculator/WindowTop").toString(), "3000");
    EXPECT_EQ(Store().value("Calculator/WindowLeft").toString(), "4500");

    Menu("m_Default").trigger();
    Menu("m_SaveSettings").trigger();
    EXPECT_EQ(Store().value("Calculator/WindowTop").toString(), "3000")
        << "Restore Default leaves the window where it is";
    EXPECT_EQ(Store().value("Calculator/WindowLeft").toString(), "4500");

    QFile::remove(SettingsFilePath());
    Restart();
    Menu("m_SaveSettings").trigger();
    EXPECT_EQ(Store().value("Calculator/WindowTop").toString(), "-1") << "first run: centred";
    EXPECT_EQ(Store().value("Calculator/WindowLeft").toString(), "-1");
}

TEST_F(SettingsTest, SavedSettingsComeBackAtTheNextStart) {
    m_printers = {"Alpha", "Beta"};
    StartWindow(15);
    ChangeEverything();
    Menu("m_SaveSettings").trigger();
    QSettings store = Store();
    store.beginGroup("Calculator");
    EXPECT_EQ(store.value("ShowTape").toString(), "False");
    EXPECT_EQ(store.value("AlwaysOnTop").toString(), "False");
    EXPECT_EQ(store.value("RoundOption").toString(), "5");
    EXPECT_EQ(store.value("WindowHeight").toString(), QString::number(420 * 15));
    EXPECT_EQ(store.value("WindowTop").toString(), QString::number(30 * 15));
    EXPECT_EQ(store.value("WindowLeft").toString(), QString::number(40 * 15));
    EXPECT_EQ(store.value("Printer").toString(), "Beta");

    Restart();
    EXPECT_TRUE(Tape().isHidden());
    EXPECT_FALSE(Menu("m_ShowTape").isChecked());
    EXPECT_FALSE(Menu("m_OnTop").isChecked());
    EXPECT_TRUE(RoundOpt(5).isChecked());
    EXPECT_EQ(Display().text(), "0.00 ") << "the entry is shown in the restored mode";
    EXPECT_EQ(Window().geometry(), QRect(40, 30, 305, 420));
    ShowAndReadPrinters();
    const QList<QAction*> printers = Window().findChildren<QAction*>("m_Prn");
    EXPECT_FALSE(printers[0]->isChecked());
    EXPECT_TRUE(printers[1]->isChecked());
}

TEST_F(SettingsTest, StoredPositionKeepsOnlyTheTopLeftCornerOnScreen) {
    const QPoint unplaced = QMainWindow().pos();
    struct Row {
        int top, left;  // twips
        int expectedY, expectedX;
    };
    const int centreX = Screen().width() / 2 - Window().width() / 2;
    const int centreY = Screen().height() / 2 - Window().height() / 2;
    const Row rows[] = {
        {Screen().height() * 15, 600, 0, 40},
        {Screen().height() * 15 + 1, Screen().width() * 15, 0, 0},
        {0, 600, unplaced.y(), 40},
        {300, -1, 20, centreX},
        {-1, 0, centreY, unplaced.x()},
        {-2, -7, unplaced.y(), unplaced.x()},
    };
    for (const Row& row : rows) {
        WriteStore(QStringLiteral("[Calculator]\nWindowTop=%1\nWindowLeft=%2\n")
                       .arg(row.top)
                       .arg(row.left)
                       .toLatin1());
        Restart();
        EXPECT_NEAR(Window().y(), row.expectedY, 1) << row.top << ", " << row.left;
        EXPECT_NEAR(Window().x(), row.expectedX, 1) << row.top << ", " << row.left;
    }
}

TEST_F(SettingsTest, UnreadableStoredValuesFallBackToTheirDefaults) {
    WriteStore("[Calculator]\nShowTape=maybe\nRoundOption=9\nWindowHeight=tall\n");
    Restart();
    EXPECT_FALSE(Tape().isHidden());
    EXPECT_TRUE(RoundOpt(6).isChecked());
    EXPECT_EQ(Window().height() - Window().menuBar()->sizeHint().height(), 274);
}

TEST_F(SettingsTest, RestoreDefaultKeepsThePlaceAndLeavesTheStoreAlone) {
    m_printers = {"Alpha", "Beta"};
    StartWindow(15);
    ChangeEverything();
    Menu("m_SaveSettings").trigger();
    const QByteArray saved = StoreContent();
    Window().move(60, 50);
    Menu("m_Default").trigger();
    EXPECT_FALSE(Tape().isHidden());
    EXPECT_TRUE(Menu("m_ShowTape").isChecked());
    EXPECT_TRUE(Menu("m_OnTop").isChecked());
    EXPECT_TRUE(RoundOpt(6).isChecked());
    EXPECT_EQ(Window().pos(), QPoint(60, 50));
    EXPECT_EQ(Window().height() - Window().menuBar()->height(), 274);
    EXPECT_TRUE(Window().findChildren<QAction*>("m_Prn")[1]->isChecked()) << "printer unchanged";
    EXPECT_EQ(StoreContent(), saved);
    Restart();
    EXPECT_TRUE(Tape().isHidden()) << "the stored settings come back";
    EXPECT_TRUE(RoundOpt(5).isChecked());
}

TEST_F(SettingsTest, ClosingKeepsWhatWasLastSavedNotTheStateAtExit) {
    const std::function<void()> closings[] = {
        [this] { Menu("m_Exit").trigger(); },
        [this] { Window().close(); },
    };
    for (const auto& close : closings) {
        StartWindow(15);
        Menu("m_SaveSettings").trigger();
        const QByteArray saved = StoreContent();
        ChangeEverything();
        close();
        EXPECT_FALSE(Window().isVisible());
        EXPECT_EQ(StoreContent(), saved);
    }
}

TEST_F(SettingsTest, SavingWithNoPrinterKeepsTheStoredPrinter) {
    WriteStore("[Calculator]\nPrinter=Gone Printer\n");
    Restart();
    Menu("m_ShowTape").trigger();
    Menu("m_SaveSettings").trigger();
    QSettings store = Store();
    EXPECT_EQ(store.value("Calculator/Printer").toString(), "Gone Printer");
    EXPECT_EQ(store.value("Calculator/ShowTape").toString(), "False");
}

TEST_F(SettingsTest, ADamagedStoreIsLeftAsItIsAndStartUpGoesOn) {
    const QByteArray damaged[] = {
        QByteArray("\x00\xff\xfe[\x01garbage=\x80\n\x7f", 15),
        QByteArray("[Calculator\nShowTape=False\nRoundOption=2\n"),
    };
    for (const QByteArray& content : damaged) {
        WriteStore(content);
        StartWindow(15);
        ClickKeys({5, 15});
        EXPECT_FALSE(SettledDisplay().isEmpty());
        Menu("m_ShowTape").trigger();
        Menu("m_Default").trigger();
        Menu("m_Exit").trigger();
        m_window.reset();
        EXPECT_EQ(StoreContent(), content) << content.toStdString();
    }
}

}  // namespace
}  // namespace vantrel::testing
