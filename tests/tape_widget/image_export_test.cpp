#include <gtest/gtest.h>

#include <QEvent>
#include <QScrollBar>
#include <string>

#include "tape_fixture.h"

namespace vantrel {
namespace {

using testing::CountPixels;
using testing::IsBlank;
using testing::IsInk;
using testing::ShownTape;

int PixelsOf(double twips) {
    return TwipsToPixels(twips, 15);
}

void AddCalculation(CalcTape& tape, int lines, const std::string& prefix) {
    for (int i = 1; i <= lines; ++i) {
        tape.AddDataLine(prefix + std::to_string(i) + ".00", TapeOpAdd, true);
    }
}

// The view of the tape as the user sees it, to compare before and after an export.
struct ViewState {
    explicit ViewState(const CalcTape& tape)
        : surface(tape.Surface()),
          height(tape.height()),
          top(tape.TopOffset()),
          position(tape.VScroll1()->value()),
          maximum(tape.VScroll1()->maximum()),
          bar(tape.VScroll1()->geometry()),
          busy(tape.ImageBusy()) {}
    bool operator==(const ViewState&) const = default;

    QImage surface;
    int height;
    std::int64_t top;
    int position;
    int maximum;
    QRect bar;
    bool busy;
};

// Counts the size changes of the scroll bar while an export runs.
class ResizeCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Resize ? 1 : 0;
        return false;
    }
    int count = 0;
};

TEST(TapeImage, AnEmptyTapeGivesAWhiteImageOneAndAHalfRowsHigh) {
    auto tape = ShownTape();
    const QImage image = tape->GetTapeImage(TapeImageMode::WholeTape);
    EXPECT_EQ(image.size(), QSize(265, PixelsOf(1.5 * tape->LineHeight())));
    EXPECT_TRUE(IsBlank(image));
}

TEST(TapeImage, TheWholeTapeFromItsTopLeavesTheViewAsItWas) {
    auto tape = ShownTape();
    AddCalculation(*tape, 50, "");
    tape->VScroll1()->setValue(tape->VScroll1()->maximum() / 2);
    const ViewState before(*tape);
    ResizeCounter barResizes;
    tape->VScroll1()->installEventFilter(&barResizes);

    const QImage image = tape->GetTapeImage(TapeImageMode::WholeTape);

    EXPECT_EQ(image.width(), 265);
    EXPECT_EQ(image.height(), PixelsOf(tape->LineHeight() / 2.0 + 51 * tape->LineHeight()));
    EXPECT_EQ(ViewState(*tape), before);
    EXPECT_EQ(barResizes.count, 0);
    // Line 1 is the first row, half a row below the top; line 50 is the last.
    EXPECT_GT(CountPixels(image, QRect(150, 17 - 6, 90, 12), IsInk), 0);
    EXPECT_GT(CountPixels(image, QRect(150, 50 * 17 - 6, 90, 12), IsInk), 0);
    EXPECT_EQ(CountPixels(image, QRect(0, 51 * 17 - 6, 265, 12), IsInk), 0);
}

// The window hides the tape while it copies the image and shows it again afterwards.
TEST(TapeImage, AHiddenTapeShowsTheSameViewAgainAfterTheExport) {
    auto tape = ShownTape();
    AddCalculation(*tape, 50, "");
    tape->VScroll1()->setValue(10);
    const ViewState before(*tape);
    tape->hide();
    EXPECT_FALSE(tape->GetTapeImage(TapeImageMode::WholeTape).isNull());
    EXPECT_FALSE(tape->GetTapeImage(TapeImageMode::LastCalculation).isNull());
    tape->show();
    EXPECT_EQ(ViewState(*tape), before);
}

TEST(TapeImage, TheVisibleLinesAreTheViewAsItStands) {
    auto tape = ShownTape();
    AddCalculation(*tape, 50, "");
    tape->VScroll1()->setValue(7);
    const ViewState before(*tape);
    EXPECT_EQ(tape->GetTapeImage(TapeImageMode::VisibleLines), tape->Surface());
    EXPECT_EQ(ViewState(*tape), before);
}

TEST(TapeImage, TheLastCalculationIsWhatFollowsTheLastClearAllMarker) {
    auto tape = ShownTape();
    AddCalculation(*tape, 30, "1");
    tape->AddDataLine("0", TapeOpClearAll, true);
    AddCalculation(*tape, 4, "2");
    tape->AddDataLine("0", TapeOpClearAll, true);
    const ViewState before(*tape);

    const QImage image = tape->GetTapeImage(TapeImageMode::LastCalculation);

    // The marker that closes the tape belongs to the calculation it closed: five rows.
    EXPECT_EQ(image.height(), PixelsOf(tape->LineHeight() / 2.0 + 6 * tape->LineHeight()));
    EXPECT_EQ(ViewState(*tape), before);
    auto alone = ShownTape();
    AddCalculation(*alone, 4, "2");
    alone->AddDataLine("0", TapeOpClearAll, true);
    EXPECT_EQ(image, alone->GetTapeImage(TapeImageMode::WholeTape));
}

TEST(TapeImage, WithoutAMarkerTheLastCalculationIsTheWholeTape) {
    auto tape = ShownTape();
    AddCalculation(*tape, 25, "");
    EXPECT_EQ(tape->GetTapeImage(TapeImageMode::LastCalculation),
              tape->GetTapeImage(TapeImageMode::WholeTape));
}

TEST(TapeImage, AFailingDrawingPassReachesTheCallerAndTheViewIsPutBack) {
    auto tape = ShownTape();
    AddCalculation(*tape, 30, "");
    tape->SetCurrentLine(40);
    EXPECT_THROW(tape->GetTapeImage(TapeImageMode::LastCalculation), std::out_of_range);
    EXPECT_THROW(tape->GetTapeImage(TapeImageMode::WholeTape), std::out_of_range);
    EXPECT_FALSE(tape->ImageBusy());
    EXPECT_EQ(tape->height(), 271);
    EXPECT_EQ(tape->Surface().height(), 271);
}

TEST(TapeImage, OtherModesGiveNoImage) {
    auto tape = ShownTape();
    AddCalculation(*tape, 3, "");
    for (const int mode : {0, 4, -1, 100}) {
        EXPECT_TRUE(tape->GetTapeImage(static_cast<TapeImageMode>(mode)).isNull()) << mode;
    }
}

TEST(TapeImage, ATapeTooTallForOneImageGivesNoImageAndLeavesTheView) {
    // 3000 pixels wide: 128 MiB hold about 11,000 rows of pixels, some 650 lines.
    auto tape = ShownTape(3000, 100);
    AddCalculation(*tape, 700, "");
    tape->AddDataLine("0", TapeOpClearAll, true);
    AddCalculation(*tape, 5, "");
    tape->VScroll1()->setValue(100);
    const ViewState before(*tape);
    EXPECT_TRUE(tape->GetTapeImage(TapeImageMode::WholeTape).isNull());
    EXPECT_EQ(ViewState(*tape), before);
    EXPECT_FALSE(tape->GetTapeImage(TapeImageMode::LastCalculation).isNull());
    EXPECT_EQ(ViewState(*tape), before);
}

}  // namespace
}  // namespace vantrel
