#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/calculator.h"
#include "tests/support/replay_harness.h"
#include "tools/headless/headless_ports.h"

namespace vantrel::testing {
namespace {

// Keypad indices: 0-9 digits, 10 CA, 11 MC, 12 C, 13 Backspace, 14 -, 15 +, 16 /, 17 *, 18 %,
// 19 Total, 20 MR, 21 M-, 22 M+, 23 Copy, 24 Paste, 26 "00", 27 point, 29 New, 30 Undo.
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
        OperationCase{
            "RepeatAddAddsTheOperandAgain", "k5 k15 k15", {"2 True 5", "2 True 5"}, "10. ", "2 "},
        OperationCase{"MultiplyAfterAddUsesTheRunningTotal",
                      "k1 k0 k0 k15 k17 k3 k19",
                      {"2 True 100", "4 True 100", "8 True 3", "-2 True 300"},
                      "300. ",
                      "1 "},
        OperationCase{"PercentOfTheRunningTotal",
                      "k2 k0 k0 k15 k1 k5 k18",
                      {"2 True 200", "9 True 200", "8 True 15", "-2 True 30"},
                      "30. ",
                      "1 "},
        OperationCase{"PercentAsTheRateOfAPendingMultiplication",
                      "k2 k0 k0 k17 k1 k5 k18 k19",
                      {"4 True 200", "8 True 0.15", "-2 True 30"},
                      "30. ",
                      "0 "},
        OperationCase{"DivisionByZeroFails",
                      "k8 k16 k0 k19",
                      {"3 True 8", "8 True 0", "-1 False -Error-"},
                      "-Error- ",
                      "0 "},
        OperationCase{"TotalWithoutItems", "k19", {"100 True 0"}, "0. ", "0 "},
        OperationCase{"TotalCountsItsItemsAndClearsTheCount",
                      "k4 k15 k6 k14 k19",
                      {"2 True 4", "1 True 6", "102 False -2"},
                      "-2. ",
                      "0 "},
        OperationCase{"AddRightAfterStartAddsZero", "k15", {"2 True 0"}, "0. ", "1 "},
        OperationCase{"ClearOnlyDropsTheKeyedFactor",
                      "k6 k17 k7 k12 k4 k19",
                      {"4 True 6", "8 True 4", "-2 True 24"},
                      "24. ",
                      "0 "},
        OperationCase{"RecalledMemoryCompletesAPendingMultiplication",
                      "k3 k22 k4 k17 k20 k19",
                      {"6 True 3", "4 True 4", "7 True 3", "8 True 3", "-2 True 12"},
                      "12. ",
                      "0 "},
        OperationCase{"MemoryAddCompletesAPendingDivision",
                      "k9 k16 k4 k22",
                      {"3 True 9", "8 True 4", "6 True 2.25"},
                      "2.25 ",
                      "0 "},
        OperationCase{"ItemCompletingAProductAddsTheProduct",
                      "k1 k0 k15 k2 k17 k3 k15 k19",
                      {"2 True 10", "4 True 2", "8 True 3", "2 True 6", "102 True 16"},
                      "16. ",
                      "0 "},
        OperationCase{"ChainedProductStaysUnrounded",
                      "k1 k16 k3 k17 k3 k19",
                      {"3 True 1.00", "4 True 3.00", "8 True 3.00", "-2 True 1.00"},
                      "1.00 ",
                      "0 ",
                      {"--mode", "2"}},
        OperationCase{"TwoPlacesRoundsOneEighthToEven",
                      "k1 k16 k8 k19",
                      {"3 True 1.00", "8 True 8.00", "-2 True 0.12"},
                      "0.12 ",
                      "0 ",
                      {"--mode", "2"}},
        OperationCase{"TwoPlacesRoundsThreeEighthsToEven",
                      "k3 k16 k8 k19",
                      {"3 True 3.00", "8 True 8.00", "-2 True 0.38"},
                      "0.38 ",
                      "0 ",
                      {"--mode", "2"}},
        OperationCase{"DecimalAddOfTenthsIsExact",
                      "k0 k27 k1 k15 k0 k27 k2 k15",
                      {"2 True 0.1", "2 True 0.2"},
                      "0.3 ",
                      "2 "},
        OperationCase{"CommaLocaleGroupsWithPoints",
                      "k1 k2 k3 k4 k27 k5 k15 k15",
                      {"2 True 1.234,5", "2 True 1.234,5"},
                      "2.469, ",
                      "2 ",
                      {"--decimal", ",", "--group", "."}},
        OperationCase{"IntegerModeRoundsItemsHalfToEven",
                      "k2 k27 k5 k15 k3 k27 k5 k15",
                      {"2 True 2", "2 True 4"},
                      "6. ",
                      "2 ",
                      {"--mode", "0"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Engine, PercentThenAddAddsThePercentageToTheTotal) {
    const Replayed r = Replay("k2 k0 k0 k15 k1 k5 k18 k15");
    EXPECT_EQ(r["total"], "230");
    EXPECT_EQ(r["counter"], "2 ");
}

TEST(Engine, ProductKeepsTheRunningTotalApart) {
    const Replayed r = Replay("k1 k0 k0 k15 k17 k3 k19");
    EXPECT_EQ(r["total"], "100");
    EXPECT_EQ(r["items"], "1");
    EXPECT_EQ(r["pending"], "0");
}

TEST(Engine, NegativeResultIsShownInRed) {
    const Replayed r = Replay("k5 k14");
    EXPECT_EQ(r["display"], "-5. ");
    EXPECT_EQ(r["color"], "red");
    EXPECT_EQ(r.tape, std::vector<std::string>{"1 True 5"});
}

TEST(Engine, MemoryOperationsKeepTheirLabelAndClearAllKeepsTheMemory) {
    const Replayed kept = Replay("k5 k15 k3 k15 k22 k10");
    EXPECT_EQ(kept["memvalue"], "8") << "Memory Add right after Add stores the running total";
    EXPECT_EQ(kept["memory"], "8. ");
    EXPECT_EQ(kept.tape.back(), "0 True 0");
    EXPECT_EQ(kept["total"], "0");

    const Replayed cleared = Replay("k5 k22 k1 k2 k27 k5 k21 k11");
    EXPECT_EQ(cleared["memory"], "0. ");
    EXPECT_EQ(cleared["memvalue"], "0");
    EXPECT_EQ(cleared.tape, (std::vector<std::string>{"6 True 5", "5 True 12.5", "10 True 0"}));

    const Replayed negative = Replay("k5 k21");
    EXPECT_EQ(negative["memory"], "-5. ");
}

TEST(Engine, MemoryLabelIgnoresTheFixedDecimalsOfTheMode) {
    const Replayed r = Replay("k1 k2 k27 k5 k22", {"--mode", "2"});
    EXPECT_EQ(r["memory"], "12.5 ");
    EXPECT_EQ(r["display"], "12.50 ");
}

TEST(Engine, OperationIndexOutsideTheTableOnlyClosesAndTakesASnapshot) {
    for (const char* op : {"op0", "op13", "op-32768", "op32767"}) {
        const Replayed r = Replay(std::string("k5 ") + op);
        EXPECT_TRUE(r.tape.empty()) << op;
        EXPECT_EQ(r["entry"], "0") << op;
        EXPECT_EQ(r["cur"], "5") << op;
        EXPECT_EQ(r["undo"], "True") << op;
        EXPECT_EQ(r["display"], "5. ") << op;
    }
}

TEST(Engine, UnroundedChainValueShowsUpToFifteenDigits) {
    EXPECT_EQ(Replay("k1 k16 k3 k17", {"--mode", "2"})["display"], "0.33333333333333 ");
}

TEST(Engine, FailureSkipsTheClosingStepsAndKeepsChangedRegisters) {
    const Replayed r = Replay("k8 k16 k0 k27 k0 k19");
    EXPECT_EQ(r["error"], "True");
    EXPECT_EQ(r["entry"], "0.0") << "the keyed divisor is still the entry";
    EXPECT_EQ(r["pending"], "3");
    EXPECT_EQ(r["undo"], "True");
}

TEST(Engine, ResultBeyondTheFifteenDigitsOfTheDisplayFails) {
    const std::string fifteenNines = Repeat("k9", 15);
    const Replayed shown = Replay(fifteenNines + "k15");
    EXPECT_EQ(shown["error"], "False");
    EXPECT_EQ(shown["display"], "999,999,999,999,999. ");

    const Replayed r = Replay(fifteenNines + "k15 k1 k15");
    EXPECT_EQ(r["error"], "True");
    EXPECT_EQ(r["display"], "-Error- ");
    EXPECT_EQ(r.tape.back(), "-1 False -Error-");
    EXPECT_EQ(r["counter"], "1 ") << "the closing steps did not run";
}

TEST(Engine, AddBeyondTheDecimalRangeFails) {
    const std::string fifteenNines = Repeat("k9", 15);
    // The failed product leaves 1e30 in the operand; a pushed Add then meets the decimal limit.
    const Replayed r = Replay(fifteenNines + "k17 " + fifteenNines + "k19 op2");
    EXPECT_EQ(r["error"], "True");
    EXPECT_EQ(r.tape.back(), "-1 False -Error-");
    EXPECT_EQ(r["total"], "0");
}

TEST(Engine, TotalOfMoreItemsThanALineCodeHoldsFails) {
    const std::string keys = Repeat("op2", 32'667);
    const Replayed largest = Replay(keys + "op6");
    EXPECT_EQ(largest["error"], "False");
    EXPECT_EQ(largest.tape.back(), "32767 True 0");

    const Replayed tooMany = Replay(keys + "op2 op6");
    EXPECT_EQ(tooMany["error"], "True");
    EXPECT_EQ(tooMany.tape.back(), "-1 False -Error-");
    EXPECT_EQ(tooMany["items"], "32668");
}

TEST(Engine, ColumnOfTenThousandCentsTotalsExactly) {
    const Replayed r = Replay(Repeat("in100,0 op2", 10'000) + "op6", {"--mode", "2"});
    EXPECT_EQ(r["display"], "100.00 ");
    EXPECT_EQ(r["cur"], "100");
    EXPECT_EQ(r.tape.back(), "10100 True 100.00");
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
