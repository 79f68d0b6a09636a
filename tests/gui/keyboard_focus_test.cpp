#include <QAccessible>
#include <QRadioButton>
#include <QScrollBar>

#include "tape/tape_line_speech.h"
#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

class KeyboardFocusTest : public WindowTest {
  protected:
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::keyClick(Focused(), key, modifiers);
    }
    QString FocusedName() const {
        return Focused() == nullptr ? QString() : Focused()->objectName();
    }
    void FocusKey(int index) const { Key(index).setFocus(Qt::TabFocusReason); }
    QString Focus(const char* name) const {
        Find<QWidget>(name)->setFocus(Qt::TabFocusReason);
        return FocusedName();
    }
};

// Tab goes from the labels through the keys, row by row, to the options, where it stops once, on
// the first, as in every group of options, and on to the tape; Shift+Tab comes back the same
// way. A disabled key, Undo with nothing to undo, is passed over.
TEST_F(KeyboardFocusTest, TabVisitsLabelsKeysOptionsAndTapeAndShiftTabReturns) {
    ASSERT_EQ(Focus("C_Display"), "C_Display");
    QStringList forward{FocusedName()};
    for (int step = 0; step < 34; ++step) {
        Type(Qt::Key_Tab);
        forward << FocusedName();
    }
    EXPECT_EQ(forward.mid(0, 3), (QStringList{"C_Display", "LMem", "LCounter"}));
    EXPECT_EQ(forward.mid(3, 30).filter("theButton").size(), 30) << forward.join(' ').toStdString();
    EXPECT_FALSE(forward.contains("theButton30")) << "the Undo key is disabled";
    EXPECT_EQ(forward.at(33), "RoundOpt6") << "Floating Point, the first on screen";
    EXPECT_EQ(forward.at(34), "CalcTape1");

    QStringList backward{FocusedName()};
    for (int step = 0; step < 34; ++step) {
        Type(Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(FocusedName());
    }
    EXPECT_EQ(backward, forward);
    EXPECT_EQ(Display().text(), "0. ") << "no focus key reached the calculator";
}

// Arrows only look around: no key is pressed and no option is selected by them.
TEST_F(KeyboardFocusTest, ArrowsMoveWithinTheKeypadAndTheOptionsAndChangeNothing) {
    const auto placeOf = [this](int index) { return Key(index).geometry().center(); };
    FocusKey(5);
    Type(Qt::Key_Right);
    auto* right = qobject_cast<KeypadButton*>(Focused());
    ASSERT_NE(right, nullptr) << "the focus stays on the keypad";
    EXPECT_GT(right->geometry().center().x(), placeOf(5).x());
    EXPECT_NEAR(right->geometry().center().y(), placeOf(5).y(), Key(5).height());
    Type(Qt::Key_Left);
    EXPECT_EQ(Focused(), &Key(5));
    Type(Qt::Key_Up);
    EXPECT_LT(Focused()->geometry().center().y(), placeOf(5).y());
    Type(Qt::Key_Down);
    EXPECT_EQ(Focused(), &Key(5));

    auto& selected = *Find<QRadioButton>("RoundOpt2");
    QTest::mouseClick(&selected, Qt::LeftButton);
    // On screen the options read F, 4, 3, 2, 1, 0, ADD2.
    ASSERT_EQ(Focus("RoundOpt2"), "RoundOpt2");
    Type(Qt::Key_Right);
    EXPECT_EQ(FocusedName(), "RoundOpt1");
    Type(Qt::Key_Down);
    EXPECT_EQ(FocusedName(), "RoundOpt0");
    Type(Qt::Key_Up);
    Type(Qt::Key_Left);
    EXPECT_EQ(FocusedName(), "RoundOpt2");
    Focus("RoundOpt5");
    Type(Qt::Key_Right);
    EXPECT_EQ(FocusedName(), "RoundOpt5") << "the row ends there";
    EXPECT_TRUE(selected.isChecked());
    EXPECT_EQ(Display().text(), "0. ");
    EXPECT_TRUE(Tape().Store().CurrentLine() == 0);
}

// Every key of the tables keeps its meaning on a focused key or option: Space is double zero
// and does not press the focused key, Enter is Total.
TEST_F(KeyboardFocusTest, TableKeysKeepTheirMeaningWhateverHasTheFocus) {
    FocusKey(9);
    Type(Qt::Key_3);
    Type(Qt::Key_Space);
    EXPECT_EQ(Display().text(), "300. ");
    Focus("RoundOpt0");
    Type(Qt::Key_Plus, Qt::KeypadModifier);
    Type(Qt::Key_Return);
    EXPECT_EQ(SettledDisplay(), "300. ");
    ASSERT_EQ(Tape().Store().CurrentLine(), 2);
    EXPECT_TRUE(IsTotalLine(Tape().Store().Line(2).Op));
    EXPECT_EQ(FocusedName(), "RoundOpt0");
}

// On the tape the focus goes line by line, from the newest, and a screen reader is told of
// each focused line by its words.
TEST_F(KeyboardFocusTest, TheTapeIsReadLineByLineWithTheArrows) {
    ClickKeys({5, 15, 7, 14, 19});
    ASSERT_EQ(Tape().Store().CurrentLine(), 3);
    const auto words = [this](int k) {
        return QString::fromStdString(SpokenTapeLine(Tape().Store().Line(k)));
    };
    ASSERT_EQ(words(2), "minus 7");
    Focus("CalcTape1");
    EXPECT_EQ(Tape().FocusedLine(), 3);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&Tape());
    const auto focusedWords = [list] {
        QAccessibleInterface* line = list->focusChild();
        return line == nullptr ? QString() : line->text(QAccessible::Name);
    };
    EXPECT_EQ(focusedWords(), words(3));
    EXPECT_TRUE(focusedWords().startsWith("total")) << focusedWords().toStdString();
    Type(Qt::Key_Up);
    EXPECT_EQ(focusedWords(), "minus 7");
    EXPECT_TRUE(list->child(1)->state().focused);
    EXPECT_FALSE(list->child(2)->state().focused);
    Type(Qt::Key_Home);
    Type(Qt::Key_Up);
    EXPECT_EQ(focusedWords(), words(1));
    Type(Qt::Key_End);
    Type(Qt::Key_Down);
    EXPECT_EQ(Tape().FocusedLine(), 3);
    Type(Qt::Key_Tab);
    EXPECT_EQ(Tape().FocusedLine(), 0) << "no line is focused once the tape has lost the focus";
    EXPECT_EQ(Tape().VScroll1()->accessibleName(), "Tape position");
}

}  // namespace
}  // namespace vantrel::testing
