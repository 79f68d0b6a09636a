#include <gtest/gtest.h>

#include <QPainter>
#include <QScrollBar>

#include "core/half_even.h"
#include "tape/qt/qt_tape_canvas.h"
#include "tape/qt/tape_marks.h"
#include "tape/tape_draw_pass.h"
#include "tape/tape_font.h"
#include "tape_fixture.h"

namespace vantrel {
namespace {

using testing::CountPixels;
using testing::IsInk;
using testing::IsMarkBlue;
using testing::IsNormalInk;
using testing::IsRed;
using testing::ShownTape;

// At 15 twips per pixel on a surface 265 pixels wide the tape font gives h = 255 and c = 135
// twips: the column starts at x = 31, amounts end at 238 and right marks start at 247.
class RenderedTape : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(tape->LineHeight(), 255);
        ASSERT_EQ(tape->CharWidth(), 135);
    }
    static int RowY(double twips) { return static_cast<int>(twips / 15); }
    int Count(const QRect& area, bool (*matches)(QRgb)) const {
        return CountPixels(tape->Surface(), area, matches);
    }

    std::unique_ptr<CalcTape> tape = ShownTape();
};

TEST_F(RenderedTape, AmountsStandRightAlignedInTheirInks) {
    tape->AddDataLine("1,234.00", TapeOpAdd, true);
    tape->AddDataLine("-56.00", TapeOpSubtract, false);
    const QRect firstRow(100, RowY(255) - 6, 139, 12);
    const QRect secondRow(100, RowY(510) - 6, 139, 12);
    EXPECT_GT(Count(firstRow, IsNormalInk), 20);
    EXPECT_EQ(Count(firstRow, IsRed), 0);
    EXPECT_GT(Count(secondRow, IsRed), 20);
    EXPECT_EQ(Count(secondRow, IsNormalInk), 0);
    // Nothing right of the amount edge but the margin.
    EXPECT_EQ(Count(QRect(240, 0, 25, 40), IsInk), 0);
    // The amount of the first row is eight cells wide: 1,234.00 starts near 238 - 8 * 9.
    EXPECT_EQ(Count(QRect(100, RowY(255) - 6, 64, 12), IsInk), 0);
    EXPECT_GT(Count(QRect(166, RowY(255) - 6, 10, 12), IsInk), 0);
}

TEST_F(RenderedTape, LeftAndRightMarksStandAtTheirSides) {
    tape->AddDataLine("2.00", TapeOpAdd, true);
    tape->AddDataLine("3.00", TapeOpMultiply, true);
    const int firstY = RowY(255);
    const int secondY = RowY(510);
    EXPECT_GT(Count(QRect(31, firstY - 5, 9, 10), IsMarkBlue), 4);
    EXPECT_EQ(Count(QRect(240, firstY - 5, 25, 10), IsMarkBlue), 0);
    // Right marks hang half a cell lower: their top is at y + (h - c) / 2.
    EXPECT_GT(Count(QRect(247, secondY + 4, 10, 10), IsMarkBlue), 4);
    EXPECT_EQ(Count(QRect(20, secondY - 8, 60, 16), IsMarkBlue), 0);
}

// The marks are read when a line first needs one, in the middle of a paint, where a missing
// picture could only end the program: every one must be in the resources.
TEST(TapeMarkImages, EveryLineCodeHasAPictureWithASize) {
    const TapeMarks marks;
    for (int index = 0; index < TapeMarks::kCount; ++index) {
        EXPECT_FALSE(marks.pixelSize(index).isEmpty()) << "line code " << index;
    }
}

TEST_F(RenderedTape, ATotalHasItsRuleAboveAndItsCountAtTheColumnStart) {
    for (int i = 0; i < 3; ++i) {
        tape->AddDataLine("5.00", TapeOpAdd, true);
    }
    tape->AddDataLine("15.00", TotalCode(3), true);
    // Y = 1020 -> rule cell ends at 1052 -> amounts centred at 1084.
    EXPECT_EQ(tape->NextY(), RoundHalfEven(1084 + 1.5 * 255));
    int longestRun = 0;
    for (int y = RowY(1052 - 255); y <= RowY(1052); ++y) {
        longestRun = std::max(longestRun, Count(QRect(31, y, 208, 1), IsNormalInk));
    }
    EXPECT_GT(longestRun, 180);
    EXPECT_GT(Count(QRect(31, RowY(1084) - 6, 9, 12), IsNormalInk), 5);
    EXPECT_EQ(Count(QRect(42, RowY(1084) - 6, 100, 12), IsInk), 0);
    EXPECT_GT(Count(QRect(180, RowY(1084) - 6, 59, 12), IsNormalInk), 20);
}

TEST_F(RenderedTape, AValueAndItsOperatorShareARow) {
    tape->AddDataLine("1,500.00", TapeOpValue, true);
    tape->AddDataLine("1,500.00", TapeOpAdd, true);
    EXPECT_EQ(tape->NextY(), 2 * 255);
    EXPECT_GT(Count(QRect(31, RowY(255) - 5, 9, 10), IsMarkBlue), 4);
    tape->AddDataLine("1,500.00", TapeOpMemoryRecall, true);
    EXPECT_EQ(tape->NextY(), 3 * 255);
}

// Drawing only the lines in view must give the very image that drawing every line gives.
TEST_F(RenderedTape, ScrolledViewEqualsDrawingEveryLine) {
    const std::vector<TapeLine> pattern = {
        {"7.00", TapeOpValue, true},  {"7.00", TapeOpAdd, true},   {"-2.00", TapeOpSubtract, false},
        {"5.00", TotalCode(2), true}, {"5.00", TapeOpValue, true}, {"5.00", TapeOpMultiply, true},
        {"3.00", TapeOpEquals, true}, {"0", TapeOpClearAll, true}, {"15.00", TotalCode(1), true}};
    for (int i = 0; i < 40; ++i) {
        for (const TapeLine& line : pattern) {
            tape->AddDataLine(line.NumStr, line.Op, line.CLR);
        }
    }
    for (const int position : {0, tape->VScroll1()->maximum() / 2, tape->VScroll1()->maximum()}) {
        tape->VScroll1()->setValue(position);
        QImage everyLine(tape->Surface().size(), tape->Surface().format());
        everyLine.setDotsPerMeterX(tape->Surface().dotsPerMeterX());
        everyLine.setDotsPerMeterY(tape->Surface().dotsPerMeterY());
        everyLine.fill(Qt::white);
        {
            QPainter painter(&everyLine);
            QFont font(QString::fromUtf8(kTapeFontFamily));
            font.setStyleHint(QFont::TypeWriter);
            font.setPointSizeF(kTapeFontPointSize);
            const TapeMarks marks;
            QtTapeCanvas canvas(painter, font, marks, {1.0 / 15, 1.0, QColor(0, 0, 128)});
            TapeCursor cursor{255, {}};
            for (std::int32_t k = 1; k <= tape->CurrentLine(); ++k) {
                PlaceAndDrawLine(canvas, ScreenColumn(265 * 15, {255, 135}), cursor,
                                 tape->Store().Line(k), tape->TopOffset());
            }
            EXPECT_EQ(cursor.NextY, tape->NextY());
        }
        EXPECT_EQ(tape->Surface(), everyLine) << "position " << position;
    }
}

}  // namespace
}  // namespace vantrel
