#include "tape/tape_line_speech.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(SpokenTapeLine, EveryKindOfLineInWordsOnTheSideOfItsMark) {
    struct Row {
        TapeLine line;
        const char* spoken;
    };
    const Row rows[] = {
        {{"1,250.75", TapeOpAdd, true}, "plus 1,250.75"},
        {{"8.75", TapeOpSubtract, true}, "minus 8.75"},
        {{"-8.75", TapeOpAdd, false}, "plus -8.75"},
        {{"100", TapeOpDivide, true}, "100 divided by"},
        {{"3", TapeOpMultiply, true}, "3 times"},
        {{"8", TapeOpEquals, true}, "8 equals"},
        {{"200", TapeOpPercent, true}, "200 percent"},
        {{"1,250.75", TapeOpValue, true}, "1,250.75"},
        {{"-Error-", TapeOpError, false}, "error"},
        {{"0", TapeOpClearAll, true}, "clear all"},
        {{"12.00", TapeOpMemoryAdd, true}, "memory plus 12.00"},
        {{"5", TapeOpMemorySubtract, true}, "memory minus 5"},
        {{"12", TapeOpMemoryRecall, true}, "memory recall 12"},
        {{"0", TapeOpMemoryClear, true}, "memory clear"},
        {{"1,310.00", TotalCode(3), true}, "total 1,310.00, 3 items"},
        {{"-4", TotalCode(1), false}, "total -4, 1 item"},
        {{"0", TotalCode(0), true}, "total 0, 0 items"},
        {{"7", TotalCode(kMaxTotalItems), true}, "total 7, 32667 items"},
        // Codes the core never sends are drawn as totals and said as the drawing counts them.
        {{"7", static_cast<TapeOp>(50), true}, "total 7, -50 items"},
        {{"", TapeOpAdd, true}, "plus"},
        {{"", TapeOpValue, true}, ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SpokenTapeLine(row.line), row.spoken) << LineCode(row.line.Op);
    }
}

}  // namespace
}  // namespace vantrel
