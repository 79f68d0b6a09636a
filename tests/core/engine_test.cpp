#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/calculator.h"
#include "tests/support/replay_harness.h"
#include "tests/support/tape_marks.h"
#include "tools/headless/headless_ports.h"

namespace vantrel::testing {
namespace {

struct OperationCase {
    const char* name;
    std::string keys;
    std::vector<std::string> tape;
    std::string display;
    std::string counter;
    std::vector<std::string> arguments = {};

    friend void PrintTo(const OperationCase& c, std::ostream* os) { *os << c.name; }
};

class Operations : public ::testing::TestWithParam<OperationCase> {};

TEST_P(Operations, WriteTheTapeAndShowTheResult) {
    const OperationCase& c = GetParam();
    const Replayed r = Replay(c.keys, c.arguments);
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.tape, c.tape);
    EXPECT_EQ(r["display"], c.display);
    EXPECT_EQ(r["counter"], c.counter);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, Operations,
    ::testing::Values(
        OperationCase{"RepeatAddAddsTheOperandAgain",
                      "k:Digit5 k:Add k:Add",
                      {Line(TapeOpAdd, "5"), Line(TapeOpAdd, "5")},
                      "10. ",
                      "2 "},
        OperationCase{"MultiplyAfterAddUsesTheRunningTotal",
                      "k:Digit1 k:Digit0 k:Digit0 k:Add k:Multiply k:Digit3 k:Total",
                      {Line(TapeOpAdd, "100"), Line(TapeOpMultiply, "100"), Line(TapeOpEquals, "3"),
                       Line(TapeOpValue, "300")},
                      "300. ",
                      "1 "},
        OperationCase{"PercentOfTheRunningTotal",
                      "k:Digit2 k:Digit0 k:Digit0 k:Add k:Digit1 k:Digit5 k:Percent",
                      {Line(TapeOpAdd, "200"), Line(TapeOpPercent, "200"), Line(TapeOpEquals, "15"),
                       Line(TapeOpValue, "30")},
                      "30. ",
                      "1 "},
        OperationCase{
            "PercentAsTheRateOfAPendingMultiplication",
            "k:Digit2 k:Digit0 k:Digit0 k:Multiply k:Digit1 k:Digit5 k:Percent k:Total",
            {Line(TapeOpMultiply, "200"), Line(TapeOpEquals, "0.15"), Line(TapeOpValue, "30")},
            "30. ",
            "0 "},
        OperationCase{
            "DivisionByZeroFails",
            "k:Digit8 k:Divide k:Digit0 k:Total",
            {Line(TapeOpDivide, "8"), Line(TapeOpEquals, "0"), RedLine(TapeOpError, "-Error-")},
            "-Error- ",
            "0 "},
        OperationCase{"TotalWithoutItems", "k:Total", {Line(TotalCode(0), "0")}, "0. ", "0 "},
        OperationCase{
            "TotalCountsItsItemsAndClearsTheCount",
            "k:Digit4 k:Add k:Digit6 k:Subtract k:Total",
            {Line(TapeOpAdd, "4"), Line(TapeOpSubtract, "6"), RedLine(TotalCode(2), "-2")},
            "-2. ",
            "0 "},
        OperationCase{"AddRightAfterStartAddsZero", "k:Add", {Line(TapeOpAdd, "0")}, "0. ", "1 "},
        OperationCase{"ClearOnlyDropsTheKeyedFactor",
                      "k:Digit6 k:Multiply k:Digit7 k:Clear k:Digit4 k:Total",
                      {Line(TapeOpMultiply, "6"), Line(TapeOpEquals, "4"), Line(TapeOpValue, "24")},
                      "24. ",
                      "0 "},
        OperationCase{
            "RecalledMemoryCompletesAPendingMultiplication",
            "k:Digit3 k:MemoryAdd k:Digit4 k:Multiply k:MemoryRestore k:Total",
            {Line(TapeOpMemoryAdd, "3"), Line(TapeOpMultiply, "4"), Line(TapeOpMemoryRecall, "3"),
             Line(TapeOpEquals, "3"), Line(TapeOpValue, "12")},
            "12. ",
            "0 "},
        OperationCase{
            "MemoryAddCompletesAPendingDivision",
            "k:Digit9 k:Divide k:Digit4 k:MemoryAdd",
            {Line(TapeOpDivide, "9"), Line(TapeOpEquals, "4"), Line(TapeOpMemoryAdd, "2.25")},
            "2.25 ",
            "0 "},
        OperationCase{"ItemCompletingAProductAddsTheProduct",
                      "k:Digit1 k:Digit0 k:Add k:Digit2 k:Multiply k:Digit3 k:Add k:Total",
                      {Line(TapeOpAdd, "10"), Line(TapeOpMultiply, "2"), Line(TapeOpEquals, "3"),
                       Line(TapeOpAdd, "6"), Line(TotalCode(2), "16")},
                      "16. ",
                      "0 "},
        OperationCase{"ChainedProductStaysUnrounded",
                      "k:Digit1 k:Divide k:Digit3 k:Multiply k:Digit3 k:Total",
                      {Line(TapeOpDivide, "1.00"), Line(TapeOpMultiply, "3.00"),
                       Line(TapeOpEquals, "3.00"), Line(TapeOpValue, "1.00")},
                      "1.00 ",
                      "0 ",
                      {"--mode", "2"}},
        OperationCase{
            "TwoPlacesRoundsOneEighthToEven",
            "k:Digit1 k:Divide k:Digit8 k:Total",
            {Line(TapeOpDivide, "1.00"), Line(TapeOpEquals, "8.00"), Line(TapeOpValue, "0.12")},
            "0.12 ",
            "0 ",
            {"--mode", "2"}},
        OperationCase{
            "TwoPlacesRoundsThreeEighthsToEven",
            "k:Digit3 k:Divide k:Digit8 k:Total",
            {Line(TapeOpDivide, "3.00"), Line(TapeOpEquals, "8.00"), Line(TapeOpValue, "0.38")},
            "0.38 ",
            "0 ",
            {"--mode", "2"}},
        OperationCase{
            "DecimalAddOfTenthsIsExact",
            "k:Digit0 k:DecimalPoint k:Digit1 k:Add k:Digit0 k:DecimalPoint k:Digit2 k:Add",
            {Line(TapeOpAdd, "0.1"), Line(TapeOpAdd, "0.2")},
            "0.3 ",
            "2 "},
        OperationCase{"CommaLocaleGroupsWithPoints",
                      "k:Digit1 k:Digit2 k:Digit3 k:Digit4 k:DecimalPoint k:Digit5 k:Add k:Add",
                      {Line(TapeOpAdd, "1.234,5"), Line(TapeOpAdd, "1.234,5")},
                      "2.469, ",
                      "2 ",
                      {"--decimal", ",", "--group", "."}},
        OperationCase{
            "IntegerModeRoundsItemsHalfToEven",
            "k:Digit2 k:DecimalPoint k:Digit5 k:Add k:Digit3 k:DecimalPoint k:Digit5 k:Add",
            {Line(TapeOpAdd, "2"), Line(TapeOpAdd, "4")},
            "6. ",
            "2 ",
            {"--mode", "0"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Engine, PercentThenAddAddsThePercentageToTheTotal) {
    const Replayed r = Replay("k:Digit2 k:Digit0 k:Digit0 k:Add k:Digit1 k:Digit5 k:Percent k:Add");
    EXPECT_EQ(r["total"], "230");
    EXPECT_EQ(r["counter"], "2 ");
}

TEST(Engine, ProductKeepsTheRunningTotalApart) {
    const Replayed r = Replay("k:Digit1 k:Digit0 k:Digit0 k:Add k:Multiply k:Digit3 k:Total");
    EXPECT_EQ(r["total"], "100");
    EXPECT_EQ(r["items"], "1");
    EXPECT_EQ(r["pending"], "0");
}

TEST(Engine, NegativeResultIsShownInRed) {
    const Replayed r = Replay("k:Digit5 k:Subtract");
    EXPECT_EQ(r["display"], "-5. ");
    EXPECT_EQ(r["color"], "red");
    EXPECT_EQ(r.tape, std::vector<std::string>{Line(TapeOpSubtract, "5")});
}

TEST(Engine, MemoryOperationsKeepTheirLabelAndClearAllKeepsTheMemory) {
    const Replayed kept = Replay("k:Digit5 k:Add k:Digit3 k:Add k:MemoryAdd k:ClearAll");
    EXPECT_EQ(kept["memvalue"], "8") << "Memory Add right after Add stores the running total";
    EXPECT_EQ(kept["memory"], "8. ");
    EXPECT_EQ(kept.tape.back(), Line(TapeOpClearAll, "0"));
    EXPECT_EQ(kept["total"], "0");

    const Replayed cleared = Replay(
        "k:Digit5 k:MemoryAdd k:Digit1 k:Digit2 k:DecimalPoint k:Digit5 k:MemorySubtract "
        "k:MemoryClear");
    EXPECT_EQ(cleared["memory"], "0. ");
    EXPECT_EQ(cleared["memvalue"], "0");
    EXPECT_EQ(cleared.tape, (std::vector<std::string>{Line(TapeOpMemoryAdd, "5"),
                                                      Line(TapeOpMemorySubtract, "12.5"),
                                                      Line(TapeOpMemoryClear, "0")}));

    const Replayed negative = Replay("k:Digit5 k:MemorySubtract");
    EXPECT_EQ(negative["memory"], "-5. ");
}

TEST(Engine, MemoryLabelIgnoresTheFixedDecimalsOfTheMode) {
    const Replayed r =
        Replay("k:Digit1 k:Digit2 k:DecimalPoint k:Digit5 k:MemoryAdd", {"--mode", "2"});
    EXPECT_EQ(r["memory"], "12.5 ");
    EXPECT_EQ(r["display"], "12.50 ");
}

TEST(Engine, OperationIndexOutsideTheTableOnlyClosesAndTakesASnapshot) {
    for (const char* op : {"op0", "op13", "op-32768", "op32767"}) {
        const Replayed r = Replay(std::string("k:Digit5 ") + op);
        EXPECT_TRUE(r.tape.empty()) << op;
        EXPECT_EQ(r["entry"], "0") << op;
        EXPECT_EQ(r["cur"], "5") << op;
        EXPECT_EQ(r["undo"], "True") << op;
        EXPECT_EQ(r["display"], "5. ") << op;
    }
}

TEST(Engine, UnroundedChainValueShowsUpToFifteenDigits) {
    EXPECT_EQ(Replay("k:Digit1 k:Divide k:Digit3 k:Multiply", {"--mode", "2"})["display"],
              "0.33333333333333 ");
}

TEST(Engine, FailureSkipsTheClosingStepsAndKeepsChangedRegisters) {
    const Replayed r = Replay("k:Digit8 k:Divide k:Digit0 k:DecimalPoint k:Digit0 k:Total");
    EXPECT_EQ(r["error"], "True");
    EXPECT_EQ(r["entry"], "0.0") << "the keyed divisor is still the entry";
    EXPECT_EQ(r["pending"], "3");
    EXPECT_EQ(r["undo"], "True");
}

TEST(Engine, ResultBeyondTheFifteenDigitsOfTheDisplayFails) {
    const std::string fifteenNines = Repeat("k:Digit9", 15);
    const Replayed shown = Replay(fifteenNines + "k:Add");
    EXPECT_EQ(shown["error"], "False");
    EXPECT_EQ(shown["display"], "999,999,999,999,999. ");

    const Replayed r = Replay(fifteenNines + "k:Add k:Digit1 k:Add");
    EXPECT_EQ(r["error"], "True");
    EXPECT_EQ(r["display"], "-Error- ");
    EXPECT_EQ(r.tape.back(), RedLine(TapeOpError, "-Error-"));
    EXPECT_EQ(r["counter"], "1 ") << "the closing steps did not run";
}

TEST(Engine, AddBeyondTheDecimalRangeFails) {
    const std::string fifteenNines = Repeat("k:Digit9", 15);
    // The failed product leaves 1e30 in the operand; a pushed Add then meets the decimal limit.
    const Replayed r = Replay(fifteenNines + "k:Multiply " + fifteenNines + "k:Total op2");
    EXPECT_EQ(r["error"], "True");
    EXPECT_EQ(r.tape.back(), RedLine(TapeOpError, "-Error-"));
    EXPECT_EQ(r["total"], "0");
}

TEST(Engine, TotalOfMoreItemsThanALineCodeHoldsFails) {
    const std::string keys = Repeat("op2", 32'667);
    const Replayed largest = Replay(keys + "op6");
    EXPECT_EQ(largest["error"], "False");
    EXPECT_EQ(largest.tape.back(), Line(TotalCode(32667), "0"));

    const Replayed tooMany = Replay(keys + "op2 op6");
    EXPECT_EQ(tooMany["error"], "True");
    EXPECT_EQ(tooMany.tape.back(), RedLine(TapeOpError, "-Error-"));
    EXPECT_EQ(tooMany["items"], "32668");
}

TEST(Engine, ColumnOfTenThousandCentsTotalsExactly) {
    const Replayed r = Replay(Repeat("in100,0 op2", 10'000) + "op6", {"--mode", "2"});
    EXPECT_EQ(r["display"], "100.00 ");
    EXPECT_EQ(r["cur"], "100");
    EXPECT_EQ(r.tape.back(), Line(TotalCode(10000), "100.00"));
}

// A tape that meets every line it is given with `refuse`.
class RefusingTape : public TapePort {
  public:
    explicit RefusingTape(std::function<void()> refuse) : m_refuse(std::move(refuse)) {}
    void AddDataLine(std::string_view, TapeOp, bool) override { m_refuse(); }
    std::int32_t CurrentLine() const override { return 0; }
    void SetCurrentLine(std::int32_t) override {}
    void Redraw() override {}
    void ClearAll() override {}
    void PrintContent() override {}

  private:
    std::function<void()> m_refuse;
};

TEST(Engine, AFullTapeOrNoMemoryIsAnErrorButAFaultOfTheProgramIsNotHidden) {
    RecordingDisplay display;
    ManualTimer timer;
    CountingTones tones;
    const auto errorAfterAdd = [&](std::function<void()> refuse) {
        RefusingTape tape(std::move(refuse));
        Calculator calculator({display, timer, tones, tape}, LocaleSeparators{});
        calculator.cmd_Operate(OpIndex::Add);
        return calculator.State().ErrorState;
    };
    EXPECT_TRUE(errorAfterAdd([] { throw std::overflow_error("the tape is full"); }));
    EXPECT_TRUE(errorAfterAdd([] { throw std::bad_alloc(); }));
    EXPECT_THROW(errorAfterAdd([] { throw std::out_of_range("a count beyond the lines"); }),
                 std::out_of_range);
}

}  // namespace
}  // namespace vantrel::testing
