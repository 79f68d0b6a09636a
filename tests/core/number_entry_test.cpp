#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/replay_harness.h"

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
        EntryCase{"DecimalsAreShownAsTyped", "k1 k2 k3 k27 k5 k0", "123.50", "123.50 ", 0},
        EntryCase{"WholeEntryShowsTheSeparator", "k1 k2 k3 k4", "1234", "1,234. ", 0},
        EntryCase{"DoubleZeroAppends", "k5 k26", "500", "500. ", 0},
        EntryCase{"DoubleZeroOnAnEmptyEntryStaysZero", "k26 k0", "0", "0. ", 0},
        EntryCase{"SeparatorOnAnEmptyEntryStartsWithZero", "k27", "0.", "0. ", 0},
        EntryCase{"SecondSeparatorIsRefused", "k1 k27 k2 k27", "1.2", "1.2 ", 1},
        EntryCase{"FifteenDigitsAreTaken", Repeat("k7", 15), "777777777777777",
                  "777,777,777,777,777. ", 0},
        EntryCase{"SixteenthDigitIsRefused", Repeat("k7", 16), "777777777777777",
                  "777,777,777,777,777. ", 1},
        EntryCase{"DoubleZeroPastTheLimitIsRefusedWhole", Repeat("k7", 14) + "k26",
                  "77777777777777", "77,777,777,777,777. ", 1},
        EntryCase{"SixteenCharactersWithASeparator", Repeat("k1", 14) + "k27 k2 k3",
                  "11111111111111.2", "11,111,111,111,111.2 ", 1},
        EntryCase{
            "AutoAddReadsHundredths", "k1 k2 k3 k4 k5", "12345", "123.45 ", 0, {"--mode", "5"}},
        EntryCase{"AutoAddRefusesTheSeparator", "k1 k27", "1", "0.01 ", 1, {"--mode", "5"}},
        EntryCase{"BackspaceTakesTheSeparatorWithTheDigit", "k0 k27 k5 k13", "0", "0. ", 0},
        EntryCase{"BackspaceOnOneDigit", "k5 k13", "0", "0. ", 0},
        EntryCase{"BackspaceOnTwoDigits", "k1 k2 k13", "1", "1. ", 0},
        EntryCase{"BackspaceDropsADecimalAndItsSeparator", "k1 k2 k27 k5 k13", "12", "12. ", 0},
        EntryCase{"BackspaceOnNothing", "k13 k13", "0", "0. ", 0},
        EntryCase{"ModeChangeRedrawsTheEntry", "k1 k2 k27 k5 mode5", "12.5", "0.13 ", 0},
        EntryCase{"AutoAddShowsAPushedAmountAtFaceValue",
                  "in12507500,0 mode2 mode5",
                  "1250.75",
                  "1,250.75 ",
                  0,
                  {"--mode", "5"}},
        EntryCase{"AutoAddBackspaceReloadsAPushedAmountAtFaceValue",
                  "in12507500,0 k13",
                  "1250.7",
                  "1,250.70 ",
                  0,
                  {"--mode", "5"}},
        EntryCase{"AutoAddBackspaceTakesAPushedSeparatorAlong",
                  "in12505000,0 k13",
                  "1250",
                  "1,250.00 ",
                  0,
                  {"--mode", "5"}},
        EntryCase{"AutoAddDigitOnAPushedAmountIsTyped",
                  "in12500000,0 k5 k13 k5",
                  "12505",
                  "125.05 ",
                  0,
                  {"--mode", "5"}},
        EntryCase{"CommaSeparatorIsTheDecimalKey",
                  "k1 k2 k3 k4 k27 k5",
                  "1234,5",
                  "1.234,5 ",
                  0,
                  {"--decimal", ",", "--group", "."}},
        EntryCase{"MultiByteSeparatorCountsAsOneCharacter",
                  Repeat("k3", 14) + "k27 k4",
                  "33333333333333\u066B4",
                  "33\u202F333\u202F333\u202F333\u202F333\u066B4 ",
                  0,
                  {"--decimal", "\u066B", "--group", "\u202F"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberEntry, KeyedValueBecomesTheOperand) {
    const Replayed r = Replay("k1 k2 k3 k27 k5 k0");
    EXPECT_EQ(r["cur"], "123.5");
    EXPECT_EQ(r["shown"], "123.5");
    EXPECT_EQ(Replay("k1 k2 k3 k4 k5", {"--mode", "5"})["cur"], "123.45");
}

TEST(NumberEntry, RefusedKeyLeavesTheRedResultAlone) {
    const Replayed r = Replay("k5 k14 k27", {"--mode", "5"});
    EXPECT_EQ(r["display"], "-0.05 ");
    EXPECT_EQ(r["color"], "red");
    EXPECT_EQ(r["beeps"], "1");
}

TEST(NumberEntry, DigitAfterARedResultIsBlack) {
    const Replayed r = Replay("k5 k14 k3");
    EXPECT_EQ(r["display"], "3. ");
    EXPECT_EQ(r["color"], "black");
}

TEST(NumberEntry, PushedAmountReplacesThePartialEntryAtFaceValue) {
    const Replayed r = Replay("k9 k9 in15000,0");
    EXPECT_EQ(r["entry"], "1.5");
    EXPECT_EQ(r["display"], "1.5 ");
    EXPECT_EQ(r["cur"], "1.5");

    const Replayed autoAdd = Replay("k9 in15000,0", {"--mode", "5"});
    EXPECT_EQ(autoAdd["cur"], "1.5") << "a pushed amount is not read as hundredths";
}

TEST(NumberEntry, PushedNegativeAmountIsDrawnInBlackAndBackspacesToZero) {
    const Replayed r = Replay("in4294917296,4294967295");
    EXPECT_EQ(r["entry"], "-5");
    EXPECT_EQ(r["display"], "-5. ");
    EXPECT_EQ(r["color"], "black");

    const Replayed back = Replay("in4294917296,4294967295 k13");
    EXPECT_EQ(back["entry"], "0");
    EXPECT_EQ(back["cur"], "0");
    EXPECT_EQ(back["beeps"], "0");
}

// The display shows the operand the next operation takes, also for a pushed amount.
TEST(NumberEntry, AutoAddKeepsAPushedAmountAtFaceValue) {
    const std::vector<std::string> autoAdd{"--mode", "5"};
    EXPECT_EQ(Replay("in12507500,0", autoAdd)["cur"], "1250.75");
    EXPECT_EQ(Replay("in12507500,0 k13", autoAdd)["shown"], "1250.7");
    EXPECT_DOUBLE_EQ(std::stod(Replay("in12500000,0 k5", autoAdd)["cur"]), 125.05);
    const Replayed added = Replay("in12507500,0 k15", autoAdd);
    EXPECT_EQ(added["total"], "1250.75");
    EXPECT_EQ(added.tape, std::vector<std::string>{"2 True 1,250.75"});
}

TEST(NumberEntry, PushedAmountIsTakenInTheErrorState) {
    const Replayed r = Replay("k8 k16 k0 k19 in20000,0");
    EXPECT_EQ(r["error"], "True");
    EXPECT_EQ(r["entry"], "2");
    EXPECT_EQ(r["display"], "2. ");
}

}  // namespace
}  // namespace vantrel::testing
