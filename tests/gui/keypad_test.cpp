#include <QLabel>
#include <QRadioButton>

#include "resources/keys/key_faces.h"
#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

using KeypadTest = WindowTest;

QRgb CornerPixel(QWidget& widget) {
    return widget.grab().toImage().pixel(0, 0);
}

TEST_F(KeypadTest, FrameShowsExactlyWhileTheMouseHoldsTheKey) {
    const QRgb atRest = CornerPixel(Key(7));
    QTest::mousePress(&Key(7), Qt::LeftButton);
    EXPECT_TRUE(Key(7).PressedLook());
    EXPECT_NE(CornerPixel(Key(7)), atRest);
    EXPECT_EQ(Display().text(), "0. ");
    QTest::mouseRelease(&Key(7), Qt::LeftButton);
    EXPECT_FALSE(Key(7).PressedLook());
    EXPECT_EQ(CornerPixel(Key(7)), atRest);
    EXPECT_EQ(Display().text(), "7. ");
}

TEST_F(KeypadTest, ReleasingOffTheKeyRunsNothing) {
    QTest::mousePress(&Key(7), Qt::LeftButton);
    QTest::mouseRelease(&Key(7), Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_FALSE(Key(7).PressedLook());
    EXPECT_EQ(Display().text(), "0. ");
}

TEST_F(KeypadTest, AnyMouseButtonGivesTheFrameButOnlyTheLeftClicks) {
    QTest::mousePress(&Key(8), Qt::RightButton);
    EXPECT_TRUE(Key(8).PressedLook());
    QTest::mouseRelease(&Key(8), Qt::RightButton);
    EXPECT_FALSE(Key(8).PressedLook());
    EXPECT_EQ(Display().text(), "0. ");
}

TEST_F(KeypadTest, ClicksRunTheirCommands) {
    ClickKeys({1, 2, 26, 27, 5});
    EXPECT_EQ(Display().text(), "1,200.5 ");
    ClickKey(13);
    EXPECT_EQ(Display().text(), "1,200. ");
    ClickKeys({15, 9, 15, 19});
    EXPECT_EQ(SettledDisplay(), "1,209. ");
    EXPECT_EQ(Tape().CurrentLine(), 3);
}

TEST_F(KeypadTest, TooltipsAndAccessibleNames) {
    struct Row {
        int index;
        const char* toolTip;
        const char* name;
    };
    const Row rows[] = {
        {7, "", "7"},
        {10, "Clear All (Ctrl+Del)", "Clear All"},
        {11, "Memory Clear (Shift+Del)", "Memory Clear"},
        {15, "Add", "Add"},
        {17, "Multiply", "Multiply"},
        {18, "PerCent", "Percent"},
        {21, "Memory Subtract (Shift+ \"-\")", "Memory Subtract"},
        {22, "Memory Add (Shift+ \"+\")", "Memory Add"},
        {25, "Show \\ Hide Tape (Ctrl+Spacebar)", "Show or Hide Tape"},
        {26, "(Spacebar)", "Double Zero"},
        {27, "", "Decimal Point"},
        {30, "Undo (Ctrl+Z)", "Undo"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Key(row.index).toolTip(), QString::fromUtf8(row.toolTip)) << row.index;
        EXPECT_EQ(Key(row.index).accessibleName(), QString::fromUtf8(row.name)) << row.index;
    }
    QSet<QString> names;
    for (int index = 0; index < 31; ++index) {
        names.insert(Key(index).accessibleName());
        EXPECT_EQ(Key(index).focusPolicy(), Qt::TabFocus) << "reached by Tab, not by a click";
    }
    EXPECT_EQ(names.size(), 31);
}

TEST_F(KeypadTest, UndoKeyFollowsAvailability) {
    EXPECT_FALSE(Key(30).isEnabled());
    EXPECT_EQ(Key(30).Face(), UndoFacePath(false));
    ClickKey(30);
    EXPECT_EQ(m_beeps, 0);
    ClickKeys({5, 15});
    EXPECT_TRUE(Key(30).isEnabled());
    EXPECT_TRUE(Menu("m_Undo").isEnabled());
    EXPECT_EQ(Key(30).Face(), UndoFacePath(true));
    ClickKeys({3, 15, 30});
    EXPECT_EQ(SettledDisplay(), "3. ");
    EXPECT_EQ(Label("LCounter").text(), "1 ");
    EXPECT_EQ(Tape().CurrentLine(), 1);
    EXPECT_FALSE(Key(30).isEnabled());
    EXPECT_FALSE(Menu("m_Undo").isEnabled());
}

TEST_F(KeypadTest, RoundOptionsInTheirOrderWithTooltips) {
    struct Row {
        const char* label;
        int index;
        const char* toolTip;
    };
    const Row rows[] = {
        {"F", 6, "Floating Point (Ctrl+F)"},
        {"4", 4, "4 Decimal Places (Ctrl+4)"},
        {"3", 3, "3 Decimal Places (Ctrl+3)"},
        {"2", 2, "2 Decimal Places (Ctrl+2)"},
        {"1", 1, "1 Decimal Place (Ctrl+1)"},
        {"0", 0, "Integer (Ctrl+0)"},
        {"ADD2", 5, "Auto Add 2 Decimal Places (Ctrl+A)"},
    };
    int previousLeft = -1;
    for (const Row& row : rows) {
        const auto* option = Find<QRadioButton>(("RoundOpt" + std::to_string(row.index)).c_str());
        const auto* label = Find<QLabel>(("RoundLabel" + std::to_string(row.index)).c_str());
        EXPECT_EQ(option->toolTip(), QString::fromUtf8(row.toolTip));
        EXPECT_EQ(label->text(), QString::fromUtf8(row.label));
        EXPECT_GT(option->x(), previousLeft) << row.index;
        previousLeft = option->x();
    }
    EXPECT_EQ(Find<QWidget>("RoundFrame")->toolTip(), "Round \\ Input Option");
    EXPECT_TRUE(Find<QRadioButton>("RoundOpt6")->isChecked());
}

TEST_F(KeypadTest, ChoosingAnOptionRedrawsTheEntry) {
    ClickKeys({1, 2, 3, 4});
    QTest::mouseClick(Find<QRadioButton>("RoundOpt5"), Qt::LeftButton);
    EXPECT_TRUE(Find<QRadioButton>("RoundOpt5")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("RoundOpt6")->isChecked());
    EXPECT_EQ(Display().text(), "12.34 ");
    EXPECT_EQ(Tape().CurrentLine(), 0);
}

}  // namespace
}  // namespace vantrel::testing
