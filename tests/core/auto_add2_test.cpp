#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/replay_harness.h"
#include "tests/support/tape_marks.h"

namespace vantrel::testing {
namespace {

// Auto Add 2 Decimal Places, the bookkeeper's mode: keyed digits are hundredths, results are
// rounded to cents (ties to even), and the display and tape show two decimals.
struct AutoAdd2Case {
    const char* name;
    std::string keys;
    std::vector<std::string> tape;
    std::map<std::string, std::string> items;

    friend void PrintTo(const AutoAdd2Case& c, std::ostream* os) { *os << c.name; }
};

class AutoAdd2 : public ::testing::TestWithParam<AutoAdd2Case> {};

TEST_P(AutoAdd2, AddsInCents) {
    const AutoAdd2Case& c = GetParam();
    const Replayed r = Replay(c.keys, {"--mode", "5"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.tape, c.tape);
    for (const auto& [name, value] : c.items) {
        EXPECT_EQ(r[name], value) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bookkeeping, AutoAdd2,
    ::testing::Values(
        AutoAdd2Case{"DigitsAreHundredths",
                     "k:Digit1 k:Digit2 k:Digit5 k:Digit0 k:Digit7 k:Digit5",
                     {},
                     {{"display", "1,250.75 "}, {"entry", "125075"}, {"cur", "1250.75"}}},
        AutoAdd2Case{"DecimalPointIsRefused",
                     "k:Digit1 k:DecimalPoint k:Digit5",
                     {},
                     {{"beeps", "1"}, {"entry", "15"}, {"display", "0.15 "}}},
        AutoAdd2Case{"DoubleZeroAddsWholeUnits",
                     "k:Digit5 k:DoubleZero k:Add",
                     {Line(TapeOpAdd, "5.00")},
                     {{"display", "5.00 "}, {"counter", "1 "}}},
        AutoAdd2Case{
            "AddSubtractAndTotal",
            "k:Digit1 k:Digit2 k:Digit5 k:Digit0 k:Add k:Digit8 k:Digit7 k:Digit5 "
            "k:Subtract k:Total",
            {Line(TapeOpAdd, "12.50"), Line(TapeOpSubtract, "8.75"), Line(TotalCode(2), "3.75")},
            {{"display", "3.75 "}, {"counter", "0 "}, {"total", "0"}}},
        AutoAdd2Case{
            "NegativeTotalIsRed",
            "k:Digit5 k:Digit0 k:Add k:Digit1 k:Digit2 k:Digit5 k:Subtract k:Total",
            {Line(TapeOpAdd, "0.50"), Line(TapeOpSubtract, "1.25"), RedLine(TotalCode(2), "-0.75")},
            {{"display", "-0.75 "}, {"color", "red"}}},
        AutoAdd2Case{"CentsAddWithoutDrift",
                     "k:Digit1 k:Digit0 k:Add k:Digit2 k:Digit0 k:Add k:Total",
                     {Line(TapeOpAdd, "0.10"), Line(TapeOpAdd, "0.20"), Line(TotalCode(2), "0.30")},
                     {{"display", "0.30 "}, {"cur", "0.29999999999999999"}}},
        AutoAdd2Case{
            "PercentOfTheRunningTotal",
            "k:Digit2 k:Digit0 k:Digit0 k:Digit0 k:Digit0 k:Add k:Digit1 k:Digit5 "
            "k:Digit0 k:Digit0 k:Percent k:Add k:Total",
            {Line(TapeOpAdd, "200.00"), Line(TapeOpPercent, "200.00"), Line(TapeOpEquals, "15.00"),
             Line(TapeOpValue, "30.00"), Line(TapeOpAdd, "30.00"), Line(TotalCode(2), "230.00")},
            {{"display", "230.00 "}}},
        AutoAdd2Case{
            "ProductRoundsToTheEvenCent",
            "k:Digit2 k:Digit5 k:Multiply k:Digit5 k:Digit0 k:Total",
            {Line(TapeOpMultiply, "0.25"), Line(TapeOpEquals, "0.50"), Line(TapeOpValue, "0.12")},
            {{"display", "0.12 "}}},
        AutoAdd2Case{"MemoryLabelShowsOnlyTheDecimalsItHas",
                     "k:Digit1 k:Digit2 k:Digit3 k:Digit4 k:MemoryAdd k:Digit5 k:Digit0 "
                     "k:MemorySubtract k:MemoryRestore k:Digit5 k:Digit0 k:Digit0 k:MemoryClear "
                     "k:MemoryAdd",
                     {Line(TapeOpMemoryAdd, "12.34"), Line(TapeOpMemorySubtract, "0.50"),
                      Line(TapeOpMemoryRecall, "11.84"), Line(TapeOpMemoryClear, "0.00"),
                      Line(TapeOpMemoryAdd, "5.00")},
                     {{"memory", "5. "}, {"memvalue", "5"}}},
        AutoAdd2Case{"PushedAmountIsTakenAtFaceValue",
                     "in125000,0 k:Add",
                     {Line(TapeOpAdd, "12.50")},
                     {{"display", "12.50 "}, {"total", "12.5"}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantrel::testing
