#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_surface.h"
#include "tape/tape_draw_pass.h"
#include "tape/tape_geometry.h"
#include "tape/tape_row_index.h"

namespace vantrel {
namespace {

using testing::RecordingSurface;

// W = 960, c = 30, h = 60: small numbers for the arithmetic.
constexpr TapeMetrics kMetrics{60, 30};

struct Drawn {
    RecordingSurface surface{30, 60};
    TapeCursor cursor{60, {}};

    void Line(std::string_view text, TapeOp op, bool clr = true, std::int64_t top = 0) {
        PlaceAndDrawLine(surface, ScreenColumn(960, kMetrics), cursor, {text, op, clr}, top);
    }
};

TEST(TapeGeometry, ScreenColumnKeepsTwoCellsAtTheRightEdge) {
    const TapeColumn column = ScreenColumn(960, kMetrics);
    EXPECT_DOUBLE_EQ(column.x0, 180);
    EXPECT_DOUBLE_EQ(column.AmountEnd(), 870);
    EXPECT_DOUBLE_EQ(column.RightMarkX(), 900);
}

TEST(TapeGeometry, RowsAndATotalLineFollowTheWorkedExample) {
    Drawn drawn;
    drawn.Line("10.00", TapeOpAdd);
    EXPECT_EQ(drawn.cursor.NextY, 120);
    drawn.Line("20.00", TapeOpAdd);
    EXPECT_EQ(drawn.cursor.NextY, 180);
    drawn.Line("30.00", TotalCode(2));
    EXPECT_EQ(drawn.cursor.NextY, 286);

    const auto& texts = drawn.surface.texts;
    ASSERT_EQ(texts.size(), 5u);
    // Amounts are right-aligned at 870 and centred on their rows: 60, 120, then 196.
    EXPECT_DOUBLE_EQ(texts[0].x, 870 - 5 * 30);
    EXPECT_DOUBLE_EQ(texts[0].y, 60 - 30);
    EXPECT_DOUBLE_EQ(texts[1].y, 120 - 30);
    const auto& rule = texts[2];
    EXPECT_EQ(rule.text, std::string(SeparatorRule()));
    EXPECT_DOUBLE_EQ(rule.y, 128);
    EXPECT_DOUBLE_EQ(rule.x, 870 - 23 * 30);
    EXPECT_EQ(rule.ink, TapeInk::Normal);
    const auto& count = texts[3];
    EXPECT_EQ(count.text, "2");
    EXPECT_DOUBLE_EQ(count.x, 180);
    EXPECT_DOUBLE_EQ(count.y, 196 - 30);
    EXPECT_DOUBLE_EQ(texts[4].y, 196 - 30);
    EXPECT_DOUBLE_EQ(texts[4].x, 870 - 5 * 30);
}

TEST(TapeGeometry, TotalCountIsTheCodeLessTheBaseAndTheNextLineMovesOneAndAHalfRows) {
    const std::vector<std::pair<TapeOp, std::string>> cases = {
        {TotalCode(0), "0"}, {TotalCode(5), "5"}, {TotalCode(1234), "1234"}};
    for (const auto& [op, count] : cases) {
        Drawn drawn;
        for (int i = 0; i < 4; ++i) {
            drawn.Line("1.00", TapeOpAdd);
        }
        const std::int64_t before = drawn.cursor.NextY;
        drawn.Line("4.00", op);
        ASSERT_NE(drawn.surface.Find(count), nullptr) << LineCode(op);
        EXPECT_DOUBLE_EQ(drawn.surface.Find(count)->x, 180);
        // 300 + 7.5 -> 308, + 7.5 -> 316 (ties to even), + 90 -> 406.
        EXPECT_EQ(before, 300);
        EXPECT_EQ(drawn.cursor.NextY, 406) << LineCode(op);
    }
}

TEST(TapeGeometry, OperatorLineRepeatingThePlainValueSharesItsRow) {
    struct Case {
        TapeOp op;
        bool sharesRow;
    };
    const std::vector<Case> cases = {
        {TapeOpSubtract, true},       {TapeOpAdd, true},
        {TapeOpDivide, true},         {TapeOpMultiply, true},
        {TapeOpMemorySubtract, true}, {TapeOpMemoryAdd, true},
        {TapeOpClearAll, false},      {TapeOpMemoryRecall, false},
        {TapeOpEquals, false},        {TapeOpPercent, false},
        {TapeOpMemoryClear, false},   {TapeOpValue, false},
        {TotalCode(1), false},
    };
    for (const Case& c : cases) {
        Drawn drawn;
        drawn.Line("1,500.00", TapeOpValue);
        drawn.Line("1,500.00", c.op);
        const std::int64_t rows = c.sharesRow ? 1 : 2;
        if (!IsTotalLine(c.op)) {
            EXPECT_EQ(drawn.cursor.NextY, 60 + rows * 60) << LineCode(c.op);
        }
        // A shared row shows the amount once, with the operator's mark.
        const auto amounts = drawn.surface.Amounts();
        const std::size_t texts = c.sharesRow ? 1 : IsTotalLine(c.op) ? 3 : 2;  // with the count
        EXPECT_EQ(amounts.size(), texts) << LineCode(c.op);
        EXPECT_EQ(amounts.back().y == amounts.front().y, c.sharesRow) << LineCode(c.op);
        if (c.sharesRow) {
            ASSERT_EQ(drawn.surface.marks.size(), 1u) << LineCode(c.op);
            EXPECT_EQ(drawn.surface.marks[0].index, LineCode(c.op));
        }
    }
}

TEST(TapeGeometry, ASharedRowDrawsTheOperatorsAmountWhenItsInkDiffers) {
    Drawn drawn;
    drawn.Line("-5.00", TapeOpValue, false);
    drawn.Line("-5.00", TapeOpAdd, true);
    EXPECT_EQ(drawn.cursor.NextY, 120);
    ASSERT_EQ(drawn.surface.texts.size(), 2u);
    EXPECT_EQ(drawn.surface.texts[0].ink, TapeInk::Red);
    EXPECT_EQ(drawn.surface.texts[1].ink, TapeInk::Normal);
    EXPECT_DOUBLE_EQ(drawn.surface.texts[1].y, drawn.surface.texts[0].y);
}

TEST(TapeGeometry, SameRowRuleNeedsTheExactTextOfAPlainValueJustBefore) {
    Drawn differentText;
    differentText.Line("1,500.00", TapeOpValue);
    differentText.Line("1500.00", TapeOpAdd);
    EXPECT_EQ(differentText.cursor.NextY, 180);

    Drawn afterOperator;
    afterOperator.Line("5.00", TapeOpAdd);
    afterOperator.Line("5.00", TapeOpAdd);
    EXPECT_EQ(afterOperator.cursor.NextY, 180);

    Drawn afterTotal;
    afterTotal.Line("5.00", TotalCode(1));
    EXPECT_TRUE(afterTotal.cursor.LastValueText.empty());
}

TEST(TapeGeometry, LeftMarksCentreOnTheRowAndRightMarksOnItsBottomEdge) {
    Drawn drawn;
    drawn.Line("2.00", TapeOpAdd);
    drawn.Line("3.00", TapeOpMultiply);
    drawn.Line("4.00", TapeOpValue);
    drawn.Line("-Error-", TapeOpError, false);
    ASSERT_EQ(drawn.surface.marks.size(), 2u);
    const auto& left = drawn.surface.marks[0];
    EXPECT_EQ(left.index, LineCode(TapeOpAdd));
    EXPECT_DOUBLE_EQ(left.x, 180);
    EXPECT_DOUBLE_EQ(left.y, 60 - 15);
    EXPECT_DOUBLE_EQ(left.height, 30);
    const auto& right = drawn.surface.marks[1];
    EXPECT_EQ(right.index, LineCode(TapeOpMultiply));
    EXPECT_DOUBLE_EQ(right.x, 900);
    EXPECT_DOUBLE_EQ(right.y, 120 + 15);
    EXPECT_EQ(drawn.surface.texts.back().ink, TapeInk::Red);
    EXPECT_EQ(drawn.surface.texts.front().ink, TapeInk::Normal);
}

TEST(TapeGeometry, TopOffsetMovesEverythingUp) {
    Drawn drawn;
    drawn.Line("2.00", TapeOpAdd, true, 600);
    EXPECT_DOUBLE_EQ(drawn.surface.texts[0].y, 30 - 600);
    EXPECT_DOUBLE_EQ(drawn.surface.marks[0].y, 45 - 600);
    EXPECT_EQ(drawn.cursor.NextY, 120);
}

std::vector<TapeLine> MixedLines() {
    return {{"0", TapeOpClearAll, true},       {"7.00", TapeOpValue, true},
            {"7.00", TapeOpAdd, true},         {"2.00", TapeOpSubtract, true},
            {"5.00", TotalCode(2), true},      {"5.00", TapeOpValue, true},
            {"5.00", TapeOpMemoryAdd, true},   {"3.00", TapeOpDivide, true},
            {"-Error-", TapeOpError, false},   {"-1.00", TapeOpValue, false},
            {"1.00", TotalCode(1), true},      {"1.00", TapeOpValue, true},
            {"1.00", TapeOpMemoryRecall, true}};
}

TEST(TapeRowIndex, KnowsWhereDrawingEveryLineWouldStartEachOne) {
    for (const std::int32_t h : {60, 61, 259}) {
        TapeLineStore store;
        for (const TapeLine& line : MixedLines()) {
            store.AddDataLine(line.NumStr, line.Op, line.CLR);
        }
        TapeRowIndex rows;
        rows.Reset(h);
        rows.Extend(store, store.CurrentLine());

        RecordingSurface surface(30, h);
        TapeCursor cursor{h, {}};
        for (std::int32_t k = 1; k <= store.CurrentLine(); ++k) {
            const TapeCursor before = rows.CursorBefore(store, k);
            EXPECT_EQ(before.NextY, cursor.NextY) << "h " << h << " line " << k;
            EXPECT_EQ(before.LastValueText, cursor.LastValueText) << "h " << h << " line " << k;
            EXPECT_EQ(before.LastValueClr, cursor.LastValueClr) << "h " << h << " line " << k;
            PlaceAndDrawLine(surface, ScreenColumn(960, {h, 30}), cursor, store.Line(k), 0);
        }
        EXPECT_EQ(rows.StartY(store.CurrentLine() + 1), cursor.NextY);
    }
}

TEST(TapeRowIndex, FindsTheFirstLineAtOrBelowAY) {
    TapeLineStore store;
    for (int i = 0; i < 10; ++i) {
        store.AddDataLine("1.00", TapeOpAdd, true);
    }
    TapeRowIndex rows;
    rows.Reset(60);
    rows.Extend(store, 10);
    EXPECT_EQ(rows.FirstLineFrom(-1000), 1);
    EXPECT_EQ(rows.FirstLineFrom(60), 1);
    EXPECT_EQ(rows.FirstLineFrom(61), 2);
    EXPECT_EQ(rows.FirstLineFrom(600), 10);
    EXPECT_EQ(rows.FirstLineFrom(601), 11);
    EXPECT_EQ(rows.FirstLineFrom(1 << 30), 11);
}

TEST(TapeRowIndex, TruncatedLinesAreLearnedAgainFromTheStore) {
    TapeLineStore store;
    for (int i = 0; i < 5; ++i) {
        store.AddDataLine("1.00", TapeOpAdd, true);
    }
    TapeRowIndex rows;
    rows.Reset(60);
    rows.Extend(store, 5);
    store.SetCurrentLine(2);
    store.AddDataLine("9.00", TotalCode(2), true);
    rows.Truncate(2);
    EXPECT_EQ(rows.LastLine(), 2);
    rows.Extend(store, 3);
    EXPECT_EQ(rows.StartY(3), 180);
    EXPECT_EQ(rows.StartY(4), 196 + 90);
    EXPECT_THROW(rows.StartY(5), std::out_of_range);
}

TEST(TapeRowIndex, ALineBeyondTheStoreFails) {
    TapeLineStore store;
    store.AddDataLine("1.00", TapeOpAdd, true);
    store.SetCurrentLine(3);
    TapeRowIndex rows;
    rows.Reset(60);
    EXPECT_THROW(rows.Extend(store, 3), std::out_of_range);
}

TEST(TapeRowIndex, APassFromALaterLineStartsOneRowDownWithNoPreviousValue) {
    TapeLineStore store;
    store.AddDataLine("4.00", TapeOpValue, true);
    store.AddDataLine("4.00", TapeOpClearAll, true);
    store.AddDataLine("4.00", TapeOpAdd, true);
    TapeRowIndex rows;
    rows.Reset(60, 3);
    rows.Extend(store, 3);
    EXPECT_EQ(rows.StartY(3), 60);
    EXPECT_TRUE(rows.CursorBefore(store, 3).LastValueText.empty());
    EXPECT_EQ(rows.StartY(4), 120);
}

}  // namespace
}  // namespace vantrel
