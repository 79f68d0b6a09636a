#include <gtest/gtest.h>

#include <set>
#include <string>

#include "recording_surface.h"
#include "tape/tape_draw_pass.h"
#include "tape/tape_print_layout.h"

namespace vantrel {
namespace {

using testing::RecordingSurface;

TapeLineStore Lines(int count, TapeOp op = TapeOpAdd) {
    TapeLineStore store;
    for (int i = 1; i <= count; ++i) {
        store.AddDataLine(std::to_string(i) + ".00", op, true);
    }
    return store;
}

// a = 40, c = 20; 400 twips high pages fit five rows (120 to 280), 2000 wide fit three columns.
RecordingSurface SmallPage() {
    return RecordingSurface(20, 40, 2000, 400);
}

TEST(TapePrintLayout, FirstColumnFollowsTheWorkedExample) {
    RecordingSurface page = SmallPage();
    TapeLineStore store;
    store.AddDataLine("8.00", TapeOpMultiply, true);
    ASSERT_TRUE(PrintTapeLines(page, store));
    ASSERT_EQ(page.texts.size(), 1u);
    EXPECT_DOUBLE_EQ(page.texts[0].y, 120 - 20);
    EXPECT_DOUBLE_EQ(page.texts[0].x + 4 * 20, 520);
    ASSERT_EQ(page.marks.size(), 1u);
    EXPECT_DOUBLE_EQ(page.marks[0].x, 540);
    EXPECT_DOUBLE_EQ(page.marks[0].y, 120 + 10);
    EXPECT_DOUBLE_EQ(page.marks[0].height, 20);
    EXPECT_EQ(page.pages, 0);
}

TEST(TapePrintLayout, AOneLineTapeIsOneRowThreeRowsDownEndingTwentySixCellsIn) {
    RecordingSurface page = SmallPage();
    TapeLineStore store;
    store.AddDataLine("12.50", TapeOpValue, true);
    ASSERT_TRUE(PrintTapeLines(page, store));
    ASSERT_EQ(page.texts.size(), 1u);
    EXPECT_DOUBLE_EQ(page.texts[0].y + 20, 3 * 40);
    EXPECT_DOUBLE_EQ(page.texts[0].x + 5 * 20, 26 * 20);
    EXPECT_EQ(page.pages, 0);
}

TEST(TapePrintLayout, ColumnsBreakBelowThreeRowsFromTheBottom) {
    RecordingSurface page = SmallPage();
    ASSERT_TRUE(PrintTapeLines(page, Lines(11)));
    const auto amounts = page.Amounts();
    ASSERT_EQ(amounts.size(), 11u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(amounts[i].y + 20, 120 + 40 * i) << i;
    }
    // The sixth line would be centred at 320 > 400 - 120: it opens the second column at 3a.
    EXPECT_DOUBLE_EQ(amounts[5].y + 20, 120);
    EXPECT_DOUBLE_EQ(page.marks[5].x, 640);
    EXPECT_DOUBLE_EQ(amounts[10].y + 20, 120);
    EXPECT_DOUBLE_EQ(page.marks[10].x, 640 + 580);
    EXPECT_EQ(page.pages, 0);
}

TEST(TapePrintLayout, AColumnWhoseWholePitchDoesNotFitStartsANewPage) {
    // c = 10: pitch 290; (2 + 1) * 290 = 870 fits in 960, (3 + 1) * 290 does not.
    RecordingSurface page(10, 20, 960, 130);  // one row per column
    ASSERT_TRUE(PrintTapeLines(page, Lines(5)));
    std::vector<double> columnStarts;
    for (const auto& mark : page.marks) {
        columnStarts.push_back(mark.x);
    }
    EXPECT_EQ(columnStarts, (std::vector<double>{30, 320, 610, 30, 320}));
    std::vector<int> pages;
    for (const auto& mark : page.marks) {
        pages.push_back(mark.page);
    }
    EXPECT_EQ(pages, (std::vector<int>{0, 0, 0, 1, 1}));
}

TEST(TapePrintLayout, ATotalAfterABreakSitsAQuarterRowBelowTheTopRow) {
    RecordingSurface page = SmallPage();
    TapeLineStore store = Lines(5);
    store.AddDataLine("15.00", TotalCode(12), true);
    store.AddDataLine("1.00", TapeOpAdd, true);
    ASSERT_TRUE(PrintTapeLines(page, store));
    const auto* rule = page.Find(SeparatorRule());
    ASSERT_NE(rule, nullptr);
    EXPECT_DOUBLE_EQ(rule->x, 640);  // on paper the rule starts at the column's start
    EXPECT_DOUBLE_EQ(rule->y, 125 - 40);
    const auto* count = page.Find("12");
    ASSERT_NE(count, nullptr);
    EXPECT_DOUBLE_EQ(count->x, 640);
    EXPECT_DOUBLE_EQ(count->y + 20, 130);
    const auto* total = page.Find("15.00");
    ASSERT_NE(total, nullptr);
    EXPECT_DOUBLE_EQ(total->y + 20, 130);
    EXPECT_DOUBLE_EQ(total->x + 5 * 20, 640 + 460);
    // One and a half rows further: 130 + 60.
    EXPECT_DOUBLE_EQ(page.Amounts().back().y + 20, 190);
}

TEST(TapePrintLayout, AnOperatorRepeatingTheValueSharesItsRowEvenOnTheLastRow) {
    RecordingSurface page = SmallPage();
    TapeLineStore store = Lines(4);
    store.AddDataLine("99.00", TapeOpValue, true);
    store.AddDataLine("99.00", TapeOpAdd, true);
    ASSERT_TRUE(PrintTapeLines(page, store));
    // One row, in the first column, showing the amount once with the plus mark.
    const auto amounts = page.Amounts();
    ASSERT_EQ(amounts.size(), 5u);
    EXPECT_DOUBLE_EQ(amounts[4].y + 20, 280);
    ASSERT_EQ(page.marks.size(), 5u);
    EXPECT_DOUBLE_EQ(page.marks.back().x, 60);
    EXPECT_DOUBLE_EQ(page.marks.back().y, 280 - 10);
    EXPECT_EQ(page.pages, 0);
}

TEST(TapePrintLayout, RedOnlyForAmountsWhoseInkFlagIsFalse) {
    RecordingSurface page = SmallPage();
    TapeLineStore store;
    store.AddDataLine("-3.00", TapeOpSubtract, false);
    store.AddDataLine("-Error-", TapeOpError, false);
    store.AddDataLine("3.00", TapeOpAdd, true);
    store.AddDataLine("0.00", TotalCode(2), true);
    ASSERT_TRUE(PrintTapeLines(page, store));
    std::set<std::string> red;
    for (const auto& text : page.texts) {
        if (text.ink == TapeInk::Red) {
            red.insert(text.text);
        }
    }
    EXPECT_EQ(red, (std::set<std::string>{"-3.00", "-Error-"}));
}

TEST(TapePrintLayout, APrinterThatRefusesAPageEndsThePrintout) {
    RecordingSurface page(10, 20, 300, 130);
    page.failOnPage = 1;
    EXPECT_FALSE(PrintTapeLines(page, Lines(10)));
    EXPECT_EQ(page.Amounts().size(), 1u);
}

}  // namespace
}  // namespace vantrel
