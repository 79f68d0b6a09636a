#include <QFile>

#include "shell/printer_selection.h"
#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

class PrinterMenuTest : public WindowTest {
  protected:
    QList<QAction*> Entries() const { return Window().findChildren<QAction*>("m_Prn"); }
    std::vector<int> CheckedEntries() const {
        std::vector<int> checked;
        for (int i = 0; i < Entries().size(); ++i) {
            if (Entries()[i]->isChecked()) {
                checked.push_back(i);
            }
        }
        return checked;
    }
    QString SavedPrinter() {
        Menu("m_SaveSettings").trigger();
        return Store().value("Calculator/Printer").toString();
    }
};

TEST_F(PrinterMenuTest, TheListIsReadOnlyOnceTheWindowIsOnScreen) {
    m_printers = {"Alpha", "Beta"};
    m_defaultPrinter = "Beta";
    Restart();
    QTest::qWait(50);
    EXPECT_EQ(Menu("m_PEmpty").text(), QStringLiteral("(Loading printers\u2026)"));
    ShowAndReadPrinters();
    EXPECT_EQ(Entries()[1]->text(), "Beta");
    EXPECT_EQ(CheckedEntries(), std::vector<int>{1});
    EXPECT_FALSE(Menu("m_PEmpty").isVisible());
}

TEST_F(PrinterMenuTest, TheFirstTenPrintersAreListedWithTheDefaultChecked) {
    for (int i = 0; i < 12; ++i) {
        m_printers << QStringLiteral("Printer&%1").arg(i);
    }
    m_defaultPrinter = "printer&2";
    StartWindow(15);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Entries()[i]->text(), QStringLiteral("Printer&&%1").arg(i));
        EXPECT_TRUE(Entries()[i]->isVisible());
    }
    EXPECT_FALSE(Menu("m_PEmpty").isVisible());
    EXPECT_EQ(CheckedEntries(), std::vector<int>{2});
}

TEST_F(PrinterMenuTest, AClickMakesThatPrinterCurrentUntilItHasGone) {
    m_printers = {"Alpha", "Beta", "Gamma"};
    m_defaultPrinter = "Beta";
    StartWindow(15);
    Entries()[2]->trigger();
    EXPECT_EQ(CheckedEntries(), std::vector<int>{2});
    EXPECT_FALSE(QFile::exists(SettingsFilePath())) << "nothing is saved by the click";
    EXPECT_EQ(SavedPrinter(), "Gamma");

    m_printers.removeAt(0);
    Entries()[0]->trigger();
    EXPECT_EQ(CheckedEntries(), std::vector<int>{2});
    EXPECT_EQ(SavedPrinter(), "Gamma");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(PrinterSelectionTest, StartsOnTheDefaultOrElseTheFirstPrinter) {
    struct Row {
        QStringList names;
        QString defaultName;
        QString current;
    };
    const Row rows[] = {
        {{"A", "B", "C"}, "C", "C"},
        {{"A", "B", "C"}, "b", "B"},
        {{"A", "B", "C"}, "", "A"},
        {{"A", "B", "C"}, "Elsewhere", "A"},
        {{}, "", ""},
    };
    for (const Row& row : rows) {
        PrinterSelection selection;
        selection.Reset({row.names, row.defaultName});
        EXPECT_EQ(selection.Current(), row.current) << row.defaultName.toStdString();
    }
}

TEST(PrinterSelectionTest, SelectsByNameInAnyCaseAndTheLastMatchWins) {
    PrinterSelection selection;
    EXPECT_FALSE(selection.SelectPrinter("Office")) << "nothing is listed before the list is read";
    selection.Reset({{"Office", "Lab", "OFFICE", "Desk"}, "Desk"});
    EXPECT_TRUE(selection.SelectPrinter("office"));
    EXPECT_EQ(selection.Current(), "OFFICE");
    EXPECT_TRUE(selection.SelectPrinter("lab"));
    EXPECT_EQ(selection.Current(), "Lab");
    EXPECT_FALSE(selection.SelectPrinter("Basement"));
    EXPECT_FALSE(selection.SelectPrinter(""));
    EXPECT_EQ(selection.Current(), "Lab");
}

}  // namespace
}  // namespace vantrel::testing
