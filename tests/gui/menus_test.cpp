#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <string>
#include <vector>

#include "shell/frm_about.h"
#include "tests/gui/window_fixture.h"
#include "tests/support/recording_window.h"

namespace vantrel::testing {
namespace {

class MenusTest : public WindowTest {
  protected:
    QStringList EntryNames(const char* menu) const {
        QStringList names;
        for (const QAction* action : Find<QMenu>(menu)->actions()) {
            names << action->objectName();
        }
        return names;
    }
    void MakeErrorState() {
        ClickKeys({8, 16, 0, 19});
        ASSERT_EQ(SettledDisplay(), "-Error- ");
    }
};

TEST_F(MenusTest, MenuBarHoldsTheFourMenusInOrder) {
    QStringList titles;
    for (const QAction* action : Window().menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&Options", "&Help"}));
    EXPECT_EQ(EntryNames("m_File"),
              QStringList({"m_New", "m_Print", "m_PSelect", "m_1", "m_Exit"}));
    EXPECT_EQ(EntryNames("m_Edit"),
              QStringList({"m_Copy", "m_Paste", "m_2", "m_TapeCopy", "m_21", "m_Undo"}));
    EXPECT_EQ(EntryNames("m_Options"),
              QStringList({"m_OnTop", "m_ShowTape", "m_12", "m_SaveSettings", "m_3", "m_Default"}));
    EXPECT_EQ(EntryNames("m_Help"), QStringList({"m_About"}));
    EXPECT_EQ(EntryNames("m_TapeCopy"), QStringList({"m_CopyAll", "m_CopyVisible", "m_CopyLast"}));
    EXPECT_EQ(EntryNames("m_PSelect").size(), 11);
}

TEST_F(MenusTest, CaptionsAndInitialStates) {
    struct Row {
        const char* name;
        const char* caption;
        bool enabled;
        bool checked;
    };
    const Row rows[] = {
        {"m_New", "New    (Ctrl+N)", true, false},
        {"m_Print", "Print    (Ctrl+P)", true, false},
        {"m_PSelect", "Select Printer", true, false},
        {"m_PEmpty", "(Empty)", true, false},
        {"m_Exit", "Exit", true, false},
        {"m_Copy", "Copy    (Ctrl+C)", true, false},
        {"m_Paste", "Paste    (Ctrl+V)", true, false},
        {"m_TapeCopy", "Tape Copy", true, false},
        {"m_CopyAll", "Copy All    (Ctrl+Alt+C)", true, false},
        {"m_CopyVisible", "Copy Visible", true, false},
        {"m_CopyLast", "Last Calculation", true, false},
        {"m_Undo", "Undo    (Ctrl+Z)", false, false},
        {"m_OnTop", "Always on top", true, true},
        {"m_ShowTape", "Show Tape", true, true},
        {"m_SaveSettings", "Save Settings", true, false},
        {"m_Default", "Restore Default", true, false},
        {"m_About", "About", true, false},
    };
    for (const Row& row : rows) {
        const QAction& action = Menu(row.name);
        EXPECT_EQ(action.text(), QString::fromUtf8(row.caption)) << row.name;
        EXPECT_EQ(action.isEnabled(), row.enabled) << row.name;
        EXPECT_EQ(action.isChecked(), row.checked) << row.name;
        EXPECT_TRUE(action.shortcut().isEmpty()) << row.name;
    }
    const QList<QAction*> printers = Window().findChildren<QAction*>("m_Prn");
    ASSERT_EQ(printers.size(), 10);
    for (int i = 0; i < printers.size(); ++i) {
        EXPECT_EQ(printers[i]->text(), QStringLiteral("Pr%1").arg(i));
        EXPECT_FALSE(printers[i]->isVisible());
    }
    EXPECT_TRUE(Menu("m_PEmpty").isVisible());
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MenusTest, NewEmptiesTapeAndMemoryAndPressesNoKey) {
    ClickKeys({5, 22, 7, 15});
    Menu("m_New").trigger();
    EXPECT_EQ(Tape().CurrentLine(), 0);
    EXPECT_EQ(Label("LMem").text(), "0. ");
    EXPECT_FALSE(Menu("m_Undo").isEnabled());
    EXPECT_FALSE(Key(30).isEnabled());
    EXPECT_FALSE(Key(29).PressedLook());
}

TEST_F(MenusTest, ShowTapeSwitchesTheTapeAndItsCheckMark) {
    Menu("m_ShowTape").trigger();
    EXPECT_TRUE(Tape().isHidden());
    EXPECT_FALSE(Menu("m_ShowTape").isChecked());
    Menu("m_ShowTape").trigger();
    EXPECT_FALSE(Tape().isHidden());
    EXPECT_TRUE(Menu("m_ShowTape").isChecked());
}

TEST_F(MenusTest, ErrorStateRefusesGatedEntriesButNotTapeCopy) {
    MakeErrorState();
    Menu("m_ShowTape").trigger();
    Menu("m_Copy").trigger();
    EXPECT_EQ(m_beeps, 2);
    EXPECT_TRUE(Menu("m_ShowTape").isChecked());
    EXPECT_FALSE(Tape().isHidden());
    QGuiApplication::clipboard()->clear();
    Menu("m_CopyVisible").trigger();
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
    EXPECT_EQ(m_beeps, 2);
    Menu("m_Undo").trigger();
    EXPECT_EQ(SettledDisplay(), "0. ");
}

TEST_F(MenusTest, AlwaysOnTopTogglesCheckAndWindowTogether) {
    Menu("m_OnTop").trigger();
    EXPECT_FALSE(Menu("m_OnTop").isChecked());
    EXPECT_FALSE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(Window().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Window().isVisible());
    Menu("m_OnTop").trigger();
    EXPECT_TRUE(Menu("m_OnTop").isChecked());
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Window().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MenusTest, RightClickOnTheTapeOpensTheTapeCopyMenu) {
    QTest::mouseClick(&Tape(), Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::mouseClick(&Tape(), Qt::RightButton, {}, QPoint(100, 50));
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    EXPECT_EQ(QApplication::activePopupWidget(), Find<QMenu>("m_TapeCopy"));
    QApplication::activePopupWidget()->close();
}

TEST_F(MenusTest, AccessLetterOpensItsMenuDespiteTheKeyboardMapping) {
    QTest::keyClick(&Window(), Qt::Key_E, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    EXPECT_EQ(QApplication::activePopupWidget(), Find<QMenu>("m_Edit"));
    QApplication::activePopupWidget()->close();
    EXPECT_EQ(Display().text(), "0. ");
}

// A screen reader hears "Undo", and "Ctrl+Z" as its shortcut, not the caption's padding; the
// entry is found among its menu's children and pressed through its action.
TEST_F(MenusTest, EntriesAreNamedWithoutTheShortcutsPadding) {
    auto& edit = *Find<QMenu>("m_Edit");
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(&edit);
    ASSERT_NE(menu, nullptr);
    QStringList names;
    for (int k = 0; k < menu->childCount(); ++k) {
        names << menu->child(k)->text(QAccessible::Name);
    }
    EXPECT_TRUE(names.contains("Copy")) << names.join('|').toStdString();
    EXPECT_FALSE(names.join('|').contains("    "));
    QAccessibleInterface* copyAll = QAccessible::queryAccessibleInterface(&Menu("m_CopyAll"));
    ASSERT_NE(copyAll, nullptr);
    EXPECT_EQ(copyAll->text(QAccessible::Name), "Copy All");
    EXPECT_EQ(copyAll->text(QAccessible::Accelerator), "Ctrl+Alt+C");

    QAccessibleInterface* undo = QAccessible::queryAccessibleInterface(&Menu("m_Undo"));
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text(QAccessible::Name), "Undo");
    EXPECT_EQ(undo->text(QAccessible::Accelerator), "Ctrl+Z");
    EXPECT_EQ(undo->role(), QAccessible::MenuItem);
    EXPECT_EQ(undo->parent()->object(), &edit);
    EXPECT_TRUE(undo->state().disabled) << "nothing to undo yet";
    EXPECT_EQ(Menu("m_Undo").text(), "Undo    (Ctrl+Z)") << "the caption on screen stays";

    QAccessibleInterface* newEntry = QAccessible::queryAccessibleInterface(&Menu("m_New"));
    ClickKeys({4, 15});
    ASSERT_EQ(Tape().Store().CurrentLine(), 1);
    newEntry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Tape().Store().CurrentLine(), 0);
}

TEST_F(MenusTest, ExitClosesAtOnceWithoutAQuestion) {
    Menu("m_Exit").trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(MenusTest, AboutShowsTheProductModallyAboveOtherWindows) {
    Menu("m_OnTop").trigger();
    ASSERT_FALSE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (int opening = 0; opening < 2; ++opening) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "About Vantrel");
            EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            shown = true;
            box->close();
        });
        Menu("m_About").trigger();
        EXPECT_TRUE(shown);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Window().findChild<FrmAbout*>(), nullptr) << "each opening builds it anew";
    }
}

TEST_F(MenusTest, PrintingAnEmptyTapeSaysSoUnderTheProgramsName) {
    // A display name, should one ever be set, is not the program's name.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Another Title"));
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        EXPECT_EQ(box->text(), "Nothing to print");
        box->close();
    });
    Menu("m_Print").trigger();
    QGuiApplication::setApplicationDisplayName(QCoreApplication::applicationName());
    EXPECT_EQ(title, QCoreApplication::applicationName());
    EXPECT_NE(title, Window().windowTitle());
}

// The menus of a bare menu bar, the window and the keypad commands recording into one list.
struct RecordedMenus {
    QMenuBar bar;
    std::vector<std::string> events;
    RecordingWindow window{events};
    RecordingCommands commands{events};
    MainMenus menus{bar, window, [this](CommandIndex index) { commands.theButton_Click(index); }};
};

TEST(MainMenusTest, EntriesReachTheirCommands) {
    RecordedMenus recorded;
    for (const char* name : {"m_New", "m_Print", "m_Copy", "m_Paste", "m_ShowTape", "m_CopyAll",
                             "m_CopyVisible", "m_CopyLast", "m_PEmpty", "m_Exit", "m_OnTop",
                             "m_SaveSettings", "m_Default", "m_About"}) {
        recorded.bar.findChild<QAction*>(name)->trigger();
    }
    EXPECT_EQ(recorded.events,
              (std::vector<std::string>{"click 29", "click 28", "click 23", "click 24", "click 25",
                                        "image 1", "image 2", "image 3", "menu exit", "not on top",
                                        "save settings", "defaults", "about"}));
}

TEST(MainMenusTest, PrinterEntriesAreFilledOnceAndAClickChecksNothingByItself) {
    RecordedMenus recorded;
    QMenuBar& bar = recorded.bar;
    MainMenus& menus = recorded.menus;
    menus.FillPrinterMenu({"PDF", "Office & Co"}, "office & CO");
    const QList<QAction*> printers = bar.findChildren<QAction*>("m_Prn");
    EXPECT_EQ(printers[0]->text(), "PDF");
    EXPECT_EQ(printers[1]->text(), "Office && Co");
    EXPECT_EQ(menus.PrinterEntryName(1), "Office & Co");
    EXPECT_EQ(menus.PrinterEntryName(2), "");
    EXPECT_TRUE(printers[1]->isVisible());
    EXPECT_FALSE(printers[2]->isVisible());
    EXPECT_FALSE(bar.findChild<QAction*>("m_PEmpty")->isVisible());
    EXPECT_FALSE(printers[0]->isChecked());
    EXPECT_TRUE(printers[1]->isChecked());

    printers[0]->trigger();
    EXPECT_EQ(recorded.events, std::vector<std::string>{"printer 0"});
    EXPECT_FALSE(printers[0]->isChecked()) << "the handler decides the check marks";
    EXPECT_TRUE(printers[1]->isChecked());
    menus.CheckPrinterEntry(0);
    EXPECT_TRUE(printers[0]->isChecked());
    EXPECT_FALSE(printers[1]->isChecked());

    menus.FillPrinterMenu({}, {});
    EXPECT_FALSE(printers[0]->isVisible());
    EXPECT_EQ(menus.PrinterEntryName(0), "");
    EXPECT_TRUE(bar.findChild<QAction*>("m_PEmpty")->isVisible());
}

}  // namespace
}  // namespace vantrel::testing
