#include "tape/tape_line_store.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel {
namespace {

TapeLineStore StoreOf(int lines) {
    TapeLineStore store;
    for (int k = 1; k <= lines; ++k) {
        store.AddDataLine(std::to_string(k), TapeOpAdd, true);
    }
    return store;
}

TEST(TapeLineStore, AppendsNumberLinesFromOneAndReadsThemBackExactly) {
    TapeLineStore store;
    store.AddDataLine("1,234.50", TapeOpAdd, true);
    store.AddDataLine("-Error-", TapeOpError, false);
    store.AddDataLine("", TotalCode(5), true);

    ASSERT_EQ(store.CurrentLine(), 3);
    EXPECT_EQ(store.Line(1).NumStr, "1,234.50");
    EXPECT_EQ(store.Line(1).Op, TapeOpAdd);
    EXPECT_TRUE(store.Line(1).CLR);
    EXPECT_EQ(store.Line(2).NumStr, "-Error-");
    EXPECT_FALSE(store.Line(2).CLR);
    EXPECT_EQ(TotalItemCount(store.Line(3).Op), 5);
    EXPECT_TRUE(IsTotalLine(store.Line(3).Op));
}

TEST(TapeLineStore, LoweredCountDropsLinesAboveItForGoodAtTheNextAppend) {
    TapeLineStore store = StoreOf(10);
    store.SetCurrentLine(7);
    EXPECT_EQ(store.Line(9).NumStr, "9") << "lines above the count stay until an append";

    store.AddDataLine("new", TapeOpSubtract, true);

    EXPECT_EQ(store.CurrentLine(), 8);
    EXPECT_EQ(store.Line(7).NumStr, "7");
    EXPECT_EQ(store.Line(8).NumStr, "new");
    EXPECT_EQ(store.StoredLineCount(), 8u);
    EXPECT_THROW(store.Line(9), std::out_of_range);
}

TEST(TapeLineStore, CountLoweredToZeroMakesTheNextAppendLineOne) {
    TapeLineStore store = StoreOf(3);
    store.SetCurrentLine(0);
    store.AddDataLine("first", TapeOpAdd, true);
    EXPECT_EQ(store.CurrentLine(), 1);
    EXPECT_EQ(store.Line(1).NumStr, "first");
}

TEST(TapeLineStore, ClearAllEmptiesEvenAnEmptyTape) {
    TapeLineStore empty;
    empty.ClearAll();
    EXPECT_EQ(empty.CurrentLine(), 0);

    TapeLineStore store = StoreOf(5);
    store.ClearAll();
    EXPECT_EQ(store.CurrentLine(), 0);
    EXPECT_EQ(store.StoredLineCount(), 0u);
    EXPECT_EQ(store.AllocatedBytes(), TapeLineStore().AllocatedBytes());
}

TEST(TapeLineStore, RefusesToGrowPastTheLargestCountAndChangesNothing) {
    TapeLineStore store = StoreOf(2);
    store.SetCurrentLine(std::numeric_limits<std::int32_t>::max());
    EXPECT_THROW(store.AddDataLine("x", TapeOpAdd, true), std::overflow_error);
    EXPECT_EQ(store.CurrentLine(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(store.StoredLineCount(), 2u);
}

TEST(TapeLineStore, CountBeyondTheStoredLinesIsReportedNotInvented) {
    TapeLineStore store = StoreOf(2);
    store.SetCurrentLine(5);
    EXPECT_THROW(store.AddDataLine("x", TapeOpAdd, true), std::out_of_range);
    EXPECT_THROW(store.Line(3), std::out_of_range);
    EXPECT_THROW(store.SetCurrentLine(-1), std::out_of_range);
    EXPECT_THROW(store.Line(0), std::out_of_range);
}

TEST(TapeLineStore, TheLastCalculationStartsAfterTheLastClearAllMarkerBeforeTheLastLine) {
    struct Case {
        const char* name;
        std::vector<TapeOp> ops;
        std::int32_t count;
        std::int32_t start;
    };
    const std::vector<Case> cases = {
        {"empty", {}, 0, 1},
        {"no marker", {TapeOpAdd, TapeOpAdd, TapeOpAdd}, 3, 1},
        {"marker only at the end", {TapeOpAdd, TapeOpAdd, TapeOpClearAll}, 3, 1},
        {"marker first", {TapeOpClearAll, TapeOpAdd}, 2, 2},
        {"two markers",
         {TapeOpClearAll, TapeOpAdd, TapeOpClearAll, TapeOpAdd, TapeOpClearAll},
         5,
         4},
        {"marker above the count", {TapeOpAdd, TapeOpAdd, TapeOpClearAll, TapeOpAdd}, 3, 1},
    };
    for (const Case& c : cases) {
        TapeLineStore store;
        for (const TapeOp op : c.ops) {
            store.AddDataLine("1", op, true);
        }
        store.SetCurrentLine(c.count);
        EXPECT_EQ(LastCalculationStart(store), c.start) << c.name;
    }
    TapeLineStore beyond = StoreOf(2);
    beyond.SetCurrentLine(5);
    EXPECT_THROW(LastCalculationStart(beyond), std::out_of_range);
}

TEST(TapeLineStore, LongTapeCostsFewBytesPerLineBeyondItsText) {
    constexpr int kLines = 200'000;
    const std::string text = "1,234,567.89";
    TapeLineStore store;
    for (int k = 0; k < kLines; ++k) {
        store.AddDataLine(text, TapeOpAdd, true);
    }
    const double perLine =
        static_cast<double>(store.AllocatedBytes()) / kLines - static_cast<double>(text.size());
    EXPECT_LT(perLine, 64.0);
    EXPECT_EQ(store.Line(kLines).NumStr, text);
}

}  // namespace
}  // namespace vantrel
