#include <QFrame>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>

#include "shell/layout/design.h"
#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

class WindowLayoutTest : public WindowTest {
  protected:
    int ClientHeight() const { return Window().height() - Window().menuBar()->height(); }
    QRect PixelGeometry(const std::string& name) const {
        return Find<QWidget>(name.c_str())->geometry();
    }
};

TEST_F(WindowLayoutTest, ControlsSitAtTheirDesignedPixels) {
    EXPECT_EQ(Display().geometry(), QRect(6, 0, 294, 33));
    EXPECT_EQ(Label("LMem").geometry(), QRect(54, 83, 118, 18));
    EXPECT_EQ(Label("LCounter").geometry(), QRect(6, 83, 38, 18));
    EXPECT_EQ(PixelGeometry("RoundFrame"), QRect(6, 34, 166, 46));
    EXPECT_EQ(Key(0).geometry(), QRect(54, 232, 38, 38));
    EXPECT_EQ(Key(15).geometry(), QRect(182, 152, 38, 118));
    EXPECT_EQ(Key(19).geometry(), QRect(222, 232, 78, 38));
    EXPECT_EQ(Key(29).geometry(), QRect(182, 40, 38, 29));
    EXPECT_EQ(PixelGeometry("RoundOpt6").x(), 7);
    EXPECT_EQ(PixelGeometry("RoundOpt5").x(), 134);
    EXPECT_EQ(PixelGeometry("RoundLabel5"), QRect(120, 11, 44, 13));
    EXPECT_EQ(Tape().geometry(), QRect(308, 0, 265, ClientHeight() - 3));
}

TEST_F(WindowLayoutTest, StartsAtStandardHeightAndFullWidth) {
    EXPECT_EQ(Window().windowTitle(), "Vantrel Calculator");
    EXPECT_TRUE(WaitFor([this] { return !Window().windowIcon().isNull(); }));
    EXPECT_EQ(ClientHeight(), 274);  // 4110 twips
    EXPECT_EQ(Window().width(), 577);
}

TEST_F(WindowLayoutTest, DesignFontsAtFifteenTwipsPerPixel) {
    EXPECT_EQ(Display().font().family(), "MS Sans Serif");
    EXPECT_TRUE(Display().font().bold());
    EXPECT_DOUBLE_EQ(Display().font().pointSizeF(), 18);
    EXPECT_EQ(Label("LMem").font().family(), "MS Sans Serif");
    EXPECT_EQ(Label("LCounter").font().family(), "MS Sans Serif");
    EXPECT_FLOAT_EQ(Tape().FontSize(), 11.4f);
}

TEST_F(WindowLayoutTest, AtTwelveTwipsPerPixelPixelsStayAndTwipsShrink) {
    const QRect keyAtFifteen = Key(15).geometry();
    const QRect displayAtFifteen = Display().geometry();
    StartWindow(12);
    EXPECT_EQ(Key(15).geometry(), keyAtFifteen);
    EXPECT_EQ(Display().geometry(), displayAtFifteen);
    const TwipsRect key15 = Window().Layout().Find("theButton15")->rect;
    EXPECT_EQ(key15, (TwipsRect{2184, 1824, 456, 1416}));
    EXPECT_EQ(Label("LMem").font().family(), "Arial");
    EXPECT_DOUBLE_EQ(Label("LMem").font().pointSizeF(), 6);
    EXPECT_EQ(Label("LCounter").font().family(), "Arial");
    EXPECT_DOUBLE_EQ(Display().font().pointSizeF(), 18 * 0.8);
    EXPECT_NEAR(Tape().FontSize(), 11.4 * 0.8, 1e-4);
    // (3480 + 570) * 0.8 + 60 twips of client height; widths from the scaled right edges.
    EXPECT_EQ(ClientHeight(), 275);
    EXPECT_EQ(Window().width(), 578);
    Window().ToggleTapeShown();
    EXPECT_EQ(Window().width(), 306);
}

TEST_F(WindowLayoutTest, TapeScrollBarIsTwoCharacterCellsWideFromTheStart) {
    for (const int tpp : {15, 12}) {
        StartWindow(tpp);
        EXPECT_EQ(Tape().VScroll1()->width(), TwipsToPixels(2.0 * Tape().CharWidth(), tpp)) << tpp;
    }
}

TEST_F(WindowLayoutTest, HidingTheTapeNarrowsTheWindowAndShowingRestoresIt) {
    Window().ToggleTapeShown();
    EXPECT_EQ(Window().width(), 305);  // 90 + 4410 + 75 twips
    EXPECT_TRUE(Tape().isHidden());
    EXPECT_FALSE(Window().TapeShown());
    EXPECT_FALSE(Menu("m_ShowTape").isChecked());
    Window().ToggleTapeShown();
    EXPECT_EQ(Window().width(), 577);  // 4620 + 3975 + 60 twips
    EXPECT_FALSE(Tape().isHidden());
    EXPECT_TRUE(Menu("m_ShowTape").isChecked());
}

TEST_F(WindowLayoutTest, DraggedWidthReturnsToTheContentWidth) {
    Window().resize(700, Window().height());
    QApplication::processEvents();
    EXPECT_EQ(Window().width(), 577);
    Window().resize(200, Window().height());
    QApplication::processEvents();
    EXPECT_EQ(Window().width(), 577);
}

TEST_F(WindowLayoutTest, TapeFollowsTheHeightAndKeepsItWhenTooSmall) {
    Window().resize(Window().width(), 500);
    EXPECT_EQ(Tape().height(), ClientHeight() - 3);
    const int tallHeight = Tape().height();
    Window().resize(Window().width(), Window().menuBar()->height() + 2);  // under 45 twips
    EXPECT_EQ(Tape().height(), tallHeight);
    Window().resize(Window().width(), 400);
    EXPECT_EQ(Tape().height(), ClientHeight() - 3);
}

TEST_F(WindowLayoutTest, SetStdHeightFromAnyHeight) {
    for (const int height : {150, 600}) {
        Window().resize(Window().width(), height);
        Window().SetStdHeight();
        EXPECT_EQ(ClientHeight(), 274) << height;
    }
}

// The window is centred before it has a frame and again, frame included, once it is shown.
TEST_F(WindowLayoutTest, FirstRunCentresTheWindowWithItsFrameOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = Window().frameGeometry();
    ASSERT_NE(frame.size(), Window().size()) << "the platform gives the window no frame";
    EXPECT_NEAR(frame.x(), screen.width() / 2 - frame.width() / 2, 1);
    EXPECT_NEAR(frame.y(), screen.height() / 2 - frame.height() / 2, 1);
}

}  // namespace
}  // namespace vantrel::testing
