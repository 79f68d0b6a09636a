#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/replay_harness.h"
#include "tests/support/tape_marks.h"

namespace vantrel::testing {
namespace {

struct EntryCase {
    const char* name;
    std::string keys;
    std::string entry;
    std::string display;
    int beeps;
    std::vector<std::string> arguments = {};

    friend void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }
};

class Entry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Entry, FollowsTheEntryRules) {
    const EntryCase& c = GetParam();
    const Replayed r = Replay(c.keys, c.arguments);
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r["entry"], c.entry);
    EXPECT_EQ(r["display"], c.display);
    EXPECT_EQ(r["beeps"], std::to_string(c.beeps));
    EXPECT_EQ(r["color"], "black");
}

INSTANTIATE_TEST_SUITE_P(
    NumberEntry, Entry,
    ::testing::Values(
        EntryCase{"DecimalsAreShownAsTyped",
                  "k:Digit1 k:Digit2 k:Digit3 k:DecimalPoint k:Digit5 k:Digit0", "123.50",
                  "123.50 ", 0},
        EntryCase{"WholeEntryShowsTheSeparator", "k:Digit1 k:Digit2 k:Digit3 k:Digit4", "1234",
                  "1,234. ", 0},
        EntryCase{"DoubleZeroAppends", "k:Digit5 k:DoubleZero", "500", "500. ", 0},
        EntryCase{"DoubleZeroOnAnEmptyEntryStaysZero", "k:DoubleZero k:Digit0", "0", "0. ", 0},
        EntryCase{"SeparatorOnAnEmptyEntryStartsWithZero", "k:DecimalPoint", "0.", "0. ", 0},
        EntryCase{"SecondSeparatorIsRefused", "k:Digit1 k:DecimalPoint k:Digit2 k:DecimalPoint",
                  "1.2", "1.2 ", 1},
        EntryCase{"FifteenDigitsAreTaken", Repeat("k:Digit7", 15), "777777777777777",
                  "777,777,777,777,777. ", 0},
        EntryCase{"SixteenthDigitIsRefused", Repeat("k:Digit7", 16), "777777777777777",
                  "777,777,777,777,777. ", 1},
        EntryCase{"DoubleZeroPastTheLimitIsRefusedWhole", Repeat("k:Digit7", 14) + "k:DoubleZero",
                  "77777777777777", "77,777,777,777,777. ", 1},
        EntryCase{"SixteenCharactersWithASeparator",
                  Repeat("k:Digit1", 14) + "k:DecimalPoint k:Digit2 k:Digit3", "11111111111111.2",
                  "11,111,111,111,111.2 ", 1},
        EntryCase{"AutoAddReadsHundredths",
                  "k:Digit1 k:Digit2 k:Digit3 k:Digit4 k:Digit5",
                  "12345",
                  "123.45 ",
                  0,
                  {"--mode", "5"}},
        EntryCase{"AutoAddRefusesTheSeparator",
                  "k:Digit1 k:DecimalPoint",
                  "1",
                  "0.01 ",
                  1,
                  {"--mode", "5"}},
        EntryCase{"BackspaceTakesTheSeparatorWithTheDigit",
                  "k:Digit0 k:DecimalPoint k:Digit5 k:Backspace", "0", "0. ", 0},
        EntryCase{"BackspaceOnOneDigit", "k:Digit5 k:Backspace", "0", "0. ", 0},
        EntryCase{"BackspaceOnTwoDigits", "k:Digit1 k:Digit2 k:Backspace", "1", "1. ", 0},
        EntryCase{"BackspaceDropsADecimalAndItsSeparator",
                  "k:Digit1 k:Digit2 k:DecimalPoint k:Digit5 k:Backspace", "12", "12. ", 0},
        EntryCase{"BackspaceOnNothing", "k:Backspace k:Backspace", "0", "0. ", 0},
        EntryCase{"ModeChangeRedrawsTheEntry", "k:Digit1 k:Digit2 k:DecimalPoint k:Digit5 mode5",
                  "12.5", "0.13 ", 0},
        EntryCase{"AutoAddShowsAPushedAmountAtFaceValue",
                  "in12507500,0 mode2 mode5",
                  "1250.75",
                  "1,250.75 ",
                  0,
                  {"--mode", "5"}},
        EntryCase{"AutoAddBackspaceReloadsAPushedAmountAtFaceValue",
                  "in12507500,0 k:Backspace",
                  "1250.7",
                  "1,250.70 ",
                  0,
                  {"--mode", "5"}},
        EntryCase{"AutoAddBackspaceTakesAPushedSeparatorAlong",
                  "in12505000,0 k:Backspace",
                  "1250",
                  "1,250.00 ",
                  0,
                  {"--mode", "5"}},
        EntryCase{"AutoAddDigitOnAPushedAmountIsTyped",
                  "in12500000,0 k:Digit5 k:Backspace k:Digit5",
                  "12505",
                  "125.05 ",
                  0,
                  {"--mode", "5"}},
        EntryCase{"CommaSeparatorIsTheDecimalKey",
                  "k:Digit1 k:Digit2 k:Digit3 k:Digit4 k:DecimalPoint k:Digit5",
                  "1234,5",
                  "1.234,5 ",
                  0,
                  {"--decimal", ",", "--group", "."}},
        EntryCase{"MultiByteSeparatorCountsAsOneCharacter",
                  Repeat("k:Digit3", 14) + "k:DecimalPoint k:Digit4",
                  "33333333333333\u066B4",
                  "33\u202F333\u202F333\u202F333\u202F333\u066B4 ",
                  0,
                  {"--decimal", "\u066B", "--group", "\u202F"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberEntry, KeyedValueBecomesTheOperand) {
    const Replayed r = Replay("k:Digit1 k:Digit2 k:Digit3 k:DecimalPoint k:Digit5 k:Digit0");
    EXPECT_EQ(r["cur"], "123.5");
    EXPECT_EQ(r["shown"], "123.5");
    EXPECT_EQ(Replay("k:Digit1 k:Digit2 k:Digit3 k:Digit4 k:Digit5", {"--mode", "5"})["cur"],
              "123.45");
}

TEST(NumberEntry, RefusedKeyLeavesTheRedResultAlone) {
    const Replayed r = Replay("k:Digit5 k:Subtract k:DecimalPoint", {"--mode", "5"});
    EXPECT_EQ(r["display"], "-0.05 ");
    EXPECT_EQ(r["color"], "red");
    EXPECT_EQ(r["beeps"], "1");
}

TEST(NumberEntry, DigitAfterARedResultIsBlack) {
    const Replayed r = Replay("k:Digit5 k:Subtract k:Digit3");
    EXPECT_EQ(r["display"], "3. ");
    EXPECT_EQ(r["color"], "black");
}

TEST(NumberEntry, PushedAmountReplacesThePartialEntryAtFaceValue) {
    const Replayed r = Replay("k:Digit9 k:Digit9 in15000,0");
    EXPECT_EQ(r["entry"], "1.5");
    EXPECT_EQ(r["display"], "1.5 ");
    EXPECT_EQ(r["cur"], "1.5");

    const Replayed autoAdd = Replay("k:Digit9 in15000,0", {"--mode", "5"});
    EXPECT_EQ(autoAdd["cur"], "1.5") << "a pushed amount is not read as hundredths";
}

TEST(NumberEntry, PushedNegativeAmountIsDrawnInBlackAndBackspacesToZero) {
    const Replayed r = Replay("in4294917296,4294967295");
    EXPECT_EQ(r["entry"], "-5");
    EXPECT_EQ(r["display"], "-5. ");
    EXPECT_EQ(r["color"], "black");

    const Replayed back = Replay("in4294917296,4294967295 k:Backspace");
    EXPECT_EQ(back["entry"], "0");
    EXPECT_EQ(back["cur"], "0");
    EXPECT_EQ(back["beeps"], "0");
}

// The display shows the operand the next operation takes, also for a pushed amount.
TEST(NumberEntry, AutoAddKeepsAPushedAmountAtFaceValue) {
    const std::vector<std::string> autoAdd{"--mode", "5"};
    EXPECT_EQ(Replay("in12507500,0", autoAdd)["cur"], "1250.75");
    EXPECT_EQ(Replay("in12507500,0 k:Backspace", autoAdd)["shown"], "1250.7");
    EXPECT_DOUBLE_EQ(std::stod(Replay("in12500000,0 k:Digit5", autoAdd)["cur"]), 125.05);
    const Replayed added = Replay("in12507500,0 k:Add", autoAdd);
    EXPECT_EQ(added["total"], "1250.75");
    EXPECT_EQ(added.tape, std::vector<std::string>{Line(TapeOpAdd, "1,250.75")});
}

TEST(NumberEntry, PushedAmountIsTakenInTheErrorState) {
    const Replayed r = Replay("k:Digit8 k:Divide k:Digit0 k:Total in20000,0");
    EXPECT_EQ(r["error"], "True");
    EXPECT_EQ(r["entry"], "2");
    EXPECT_EQ(r["display"], "2. ");
}

}  // namespace
}  // namespace vantrel::testing
