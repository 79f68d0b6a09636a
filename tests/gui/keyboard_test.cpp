#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

class KeyboardTest : public WindowTest {
  protected:
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, QWidget* target = nullptr) {
        QTest::keyPress(target ? target : &Window(), key, modifiers);
    }
    void Release(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, QWidget* target = nullptr) {
        QTest::keyRelease(target ? target : &Window(), key, modifiers);
    }
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        Press(key, modifiers);
        Release(key, modifiers);
    }
    // What the platform sends while a key is held: a release and a press, both marked as
    // repeats.
    void Repeat(Qt::Key key, const QString& text) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, true);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, true);
        QApplication::sendEvent(&Window(), &release);
        QApplication::sendEvent(&Window(), &press);
    }

    // Answers the message box that `trigger` opens, after checking what it shows.
    void AnswerExitPrompt(QMessageBox::StandardButton answer) {
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Vantrel Calculator");
            EXPECT_EQ(box->text(), "Exit Vantrel Calculator");
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
            checked = true;
            box->button(answer)->click();
        });
        Type(Qt::Key_Escape);
        EXPECT_TRUE(checked);
    }
};

TEST_F(KeyboardTest, KeysReachTheMappingWhicheverControlHasTheFocus) {
    auto* option = Find<QRadioButton>("RoundOpt2");
    QTest::keyClick(option, Qt::Key_5);
    QTest::keyClick(option, Qt::Key_Space);
    QTest::keyClick(&Key(3), Qt::Key_5);
    EXPECT_EQ(Display().text(), "5,005. ");
    EXPECT_FALSE(option->isChecked());
}

TEST_F(KeyboardTest, HeldKeyActsOnceAndAgainAfterRelease) {
    Press(Qt::Key_7);
    Repeat(Qt::Key_7, QStringLiteral("7"));
    Repeat(Qt::Key_7, QStringLiteral("7"));
    EXPECT_TRUE(Key(7).PressedLook());
    Release(Qt::Key_7);
    EXPECT_FALSE(Key(7).PressedLook());
    EXPECT_EQ(Display().text(), "7. ");
    Type(Qt::Key_7);
    EXPECT_EQ(Display().text(), "77. ");
}

// A fast typist, or a program typing, presses a key again in the millisecond it let it go.
TEST_F(KeyboardTest, PressInTheMillisecondOfTheReleaseActsAgain) {
    const auto send = [this](QEvent::Type type, quint64 time) {
        QKeyEvent event(type, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        event.setTimestamp(time);
        QApplication::sendEvent(&Window(), &event);
    };
    send(QEvent::KeyPress, 1000);
    send(QEvent::KeyRelease, 1500);
    send(QEvent::KeyPress, 1500);
    send(QEvent::KeyRelease, 1500);
    send(QEvent::KeyPress, 1500);
    EXPECT_TRUE(Key(7).PressedLook());
    send(QEvent::KeyRelease, 1501);
    EXPECT_EQ(Display().text(), "777. ");
    EXPECT_FALSE(Key(7).PressedLook());
}

TEST_F(KeyboardTest, MainRowPlusAddsShiftedAddsToMemoryEnterTotals) {
    Type(Qt::Key_4);
    Type(Qt::Key_Equal);
    Type(Qt::Key_6);
    Type(Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_EQ(LineCode(Tape().Store().Line(2).Op), 6);
    EXPECT_EQ(SettledDisplay(), "6. ");
    Type(Qt::Key_Return);
    EXPECT_EQ(SettledDisplay(), "4. ");
    EXPECT_EQ(Label("LMem").text(), "6. ");
    EXPECT_FALSE(Key(15).PressedLook());
    EXPECT_FALSE(Key(22).PressedLook());
    EXPECT_FALSE(Key(19).PressedLook());
}

TEST_F(KeyboardTest, CtrlSpaceSwitchesTheTape) {
    Type(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(Tape().isHidden());
    EXPECT_EQ(Window().width(), 305);
    Type(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(Tape().isHidden());
    EXPECT_EQ(Window().width(), 577);
}

TEST_F(KeyboardTest, CtrlDigitSelectsAnOptionWithoutPressingAKey) {
    Type(Qt::Key_1);
    Type(Qt::Key_2);
    Type(Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(Find<QRadioButton>("RoundOpt5")->isChecked());
    EXPECT_EQ(Display().text(), "0.12 ");
    Press(Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(Find<QRadioButton>("RoundOpt3")->isChecked());
    EXPECT_FALSE(Key(3).PressedLook());
    Release(Qt::Key_3, Qt::ControlModifier);
}

TEST_F(KeyboardTest, CtrlZWithoutUndoDoesNothing) {
    Type(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_beeps, 0);
    EXPECT_EQ(Display().text(), "0. ");
}

TEST_F(KeyboardTest, KeyInTheErrorStateBeepsAndLooksPressedUntilReleased) {
    for (const Qt::Key key : {Qt::Key_8, Qt::Key_Slash, Qt::Key_0, Qt::Key_Return}) {
        Type(key);
    }
    EXPECT_EQ(SettledDisplay(), "-Error- ");
    Press(Qt::Key_5);
    EXPECT_EQ(m_beeps, 1);
    EXPECT_TRUE(Key(5).PressedLook());
    Release(Qt::Key_5);
    EXPECT_FALSE(Key(5).PressedLook());
    EXPECT_EQ(Display().text(), "-Error- ");
}

TEST_F(KeyboardTest, EscapeThenCancelKeepsTheWindow) {
    Type(Qt::Key_4);
    AnswerExitPrompt(QMessageBox::Cancel);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Display().text(), "4. ");
}

TEST_F(KeyboardTest, EscapeThenOkClosesTheWindow) {
    AnswerExitPrompt(QMessageBox::Ok);
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(KeyboardTest, CtrlAltCCopiesTheTapePictureAndPressesNoKey) {
    Type(Qt::Key_5);
    Type(Qt::Key_Equal);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    Press(Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(Key(23).PressedLook());
    Release(Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
    EXPECT_FALSE(Tape().isHidden());
}

TEST_F(KeyboardTest, PageKeysPageTheTapeOncePerPress) {
    for (int i = 0; i < 60; ++i) {
        Type(Qt::Key_1);
        Type(Qt::Key_Equal);
    }
    QScrollBar& scroll = *Tape().VScroll1();
    const int atEnd = scroll.value();
    ASSERT_GT(atEnd, 0);
    Press(Qt::Key_PageUp);
    Repeat(Qt::Key_PageUp, {});
    const int afterOnePage = scroll.value();
    EXPECT_LT(afterOnePage, atEnd);
    Release(Qt::Key_PageUp);
    Type(Qt::Key_PageUp);
    EXPECT_EQ(atEnd - scroll.value(), 2 * (atEnd - afterOnePage));
    Type(Qt::Key_PageDown);
    EXPECT_EQ(scroll.value(), afterOnePage);
}

TEST_F(KeyboardTest, RegainingTheFocusForgetsAKeyReleasedElsewhere) {
    Press(Qt::Key_7);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    Press(Qt::Key_7);
    EXPECT_EQ(Display().text(), "77. ");
    Release(Qt::Key_7);
}

}  // namespace
}  // namespace vantrel::testing
