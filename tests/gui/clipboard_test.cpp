#include <QClipboard>
#include <QMimeData>
#include <QTimer>

#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

class ClipboardTest : public WindowTest {
  protected:
    QClipboard& Clipboard() const { return *QGuiApplication::clipboard(); }
    void CopyKeys() const { QTest::keyClick(&Window(), Qt::Key_C, Qt::ControlModifier); }
    void PasteKeys() const { QTest::keyClick(&Window(), Qt::Key_V, Qt::ControlModifier); }
};

TEST_F(ClipboardTest, CopyTakesTheDisplayWithoutItsBlank) {
    ClickKeys({1, 2, 3, 4, 27, 5, 14});
    EXPECT_EQ(SettledDisplay(), "-1,234.5 ");
    CopyKeys();
    EXPECT_EQ(Clipboard().text(), "-1,234.5");
}

TEST_F(ClipboardTest, CopyDuringTheBlinkTakesTheComingResult) {
    ClickKeys({9, 15});
    ASSERT_EQ(Display().text(), "");
    ClickKey(23);
    EXPECT_EQ(Clipboard().text(), "9.");
}

TEST_F(ClipboardTest, PastedNumberBecomesTheOperand) {
    Clipboard().setText(QStringLiteral("  1,234.50 "));
    PasteKeys();
    EXPECT_EQ(SettledDisplay(), "1,234.5 ");
    ClickKeys({15, 19});
    EXPECT_EQ(SettledDisplay(), "1,234.5 ");
    EXPECT_EQ(Tape().Store().Line(1).NumStr, "1,234.5");
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(ClipboardTest, UnreadableClipboardBeepsAndChangesNothing) {
    ClickKeys({4, 2});
    const auto pasteBeeps = [this] {
        PasteKeys();
        return Display().text() == "42. " && !m_window->findChild<QTimer*>("Timer1")->isActive();
    };
    Clipboard().setText(QStringLiteral("12abc"));
    EXPECT_TRUE(pasteBeeps());
    Clipboard().clear();
    EXPECT_TRUE(pasteBeeps());
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    Clipboard().setImage(picture);
    EXPECT_TRUE(pasteBeeps());
    EXPECT_EQ(m_beeps, 3);
}

TEST_F(ClipboardTest, TapePictureOfEachMode) {
    ClickKeys({5, 15, 6, 15, 19});
    for (const TapeImageMode mode :
         {TapeImageMode::WholeTape, TapeImageMode::VisibleLines, TapeImageMode::LastCalculation}) {
        Clipboard().setText(QStringLiteral("before"));
        Window().CopyTapeImage(mode);
        EXPECT_FALSE(Clipboard().image().isNull()) << ValueOf(mode);
        EXPECT_FALSE(Tape().isHidden()) << ValueOf(mode);
    }
}

TEST_F(ClipboardTest, TapePictureFromAHiddenTapeLeavesItHidden) {
    ClickKeys({5, 15});
    Window().ToggleTapeShown();
    Window().CopyTapeImage(TapeImageMode::WholeTape);
    EXPECT_FALSE(Clipboard().image().isNull());
    EXPECT_TRUE(Tape().isHidden());
    EXPECT_FALSE(Window().TapeShown());
    EXPECT_FALSE(Menu("m_ShowTape").isChecked());
    EXPECT_EQ(Window().width(), 305);
}

TEST_F(ClipboardTest, NoPictureLeavesTheClipboardAsItWas) {
    Clipboard().setText(QStringLiteral("before"));
    Window().CopyTapeImage(static_cast<TapeImageMode>(4));
    EXPECT_EQ(Clipboard().text(), "before");
    EXPECT_FALSE(Tape().isHidden());
}

}  // namespace
}  // namespace vantrel::testing
