#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/replay_harness.h"

namespace vantrel::testing {
namespace {

const std::string kError = "k8 k16 k0 k19 ";

TEST(ErrorGate, RefusesAllButClearAllNewAndUndoWithTheBeep) {
    for (const char* key :
         {"k5", "k12", "k11", "k13", "k15", "k19", "k23", "k24", "k26", "k27", "k28"}) {
        const Replayed r = Replay(kError + key);
        EXPECT_EQ(r["beeps"], "1") << key;
        EXPECT_EQ(r["display"], "-Error- ") << key;
        EXPECT_EQ(r.tape.size(), 3u) << key;
        EXPECT_EQ(r["messages"], "") << key;
    }
}

TEST(ErrorGate, ClearAllNewAndUndoLeadOut) {
    const Replayed clearAll = Replay(kError + "k10");
    EXPECT_EQ(clearAll["error"], "False");
    EXPECT_EQ(clearAll["display"], "0. ");
    EXPECT_EQ(clearAll.tape.back(), "0 True 0");

    const Replayed fresh = Replay(kError + "k29");
    EXPECT_EQ(fresh["error"], "False");
    EXPECT_TRUE(fresh.tape.empty());

    EXPECT_EQ(Replay(kError + "k30")["error"], "False");
    EXPECT_EQ(Replay(kError + "k10 k5")["entry"], "5");
}

TEST(ErrorGate, IsNotInTheWayOfPushedOperations) {
    const Replayed r = Replay(kError + "op10 op2");
    EXPECT_EQ(r["beeps"], "0");
    EXPECT_EQ(r["error"], "False");
    EXPECT_EQ(r.tape.back(), "2 True 0");
}

TEST(New, ClearsTapeMemoryAndUndo) {
    const Replayed r = Replay("k5 k22 k3 k15 k29");
    EXPECT_TRUE(r.tape.empty());
    EXPECT_EQ(r["memvalue"], "0");
    EXPECT_EQ(r["memory"], "0. ");
    EXPECT_EQ(r["undo"], "False");
    EXPECT_EQ(r["counter"], "0 ");
    EXPECT_EQ(r["total"], "0");
}

TEST(PrintTape, ReportsAnEmptyTapeOnly) {
    EXPECT_EQ(Replay("k28")["messages"], "Nothing to print");
    EXPECT_EQ(Replay("k28 k28")["messages"], "Nothing to print|Nothing to print");
    EXPECT_EQ(Replay("k5 k15 k28")["messages"], "");
}

TEST(Copy, PutsTheDisplayedNumberWithoutItsTrailingBlank) {
    EXPECT_EQ(Replay("k1 k2 k3 k4 k27 k5 k14 k23", {"--mode", "2"})["clipboard"], "-1,234.50");
    EXPECT_EQ(Replay("k1 k2 k3 k4 k23")["clipboard"], "1,234.");
}

struct PasteCase {
    const char* name;
    std::string clipboard;  // percent-encoded; empty leaves the clipboard without text
    std::string cur;
    std::string display;
    int beeps;
    std::vector<std::string> arguments = {};

    friend void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }
};

class Paste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(Paste, TakesWholeNumbersOnly) {
    const PasteCase& c = GetParam();
    const std::string put = c.clipboard.empty() ? "" : "clip:" + c.clipboard + " ";
    const Replayed r = Replay("k7 " + put + "k24", c.arguments);
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r["cur"], c.cur);
    EXPECT_EQ(r["display"], c.display);
    EXPECT_EQ(r["beeps"], std::to_string(c.beeps));
    EXPECT_EQ(r["entry"], c.beeps == 0 ? "0" : "7");
}

INSTANTIATE_TEST_SUITE_P(
    Dispatcher, Paste,
    ::testing::Values(
        PasteCase{"GroupedWithBlanksAround", "%201,234.50%20", "1234.5", "1,234.5 ", 0},
        PasteCase{"TrailingNewline", "42%0A", "42", "42. ", 0},
        PasteCase{"SignAndExponent", "-1.5e3", "-1500", "-1,500. ", 0},
        PasteCase{
            "CommaLocale", "1.234,5", "1234.5", "1.234,5 ", 0, {"--decimal", ",", "--group", "."}},
        PasteCase{"AutoAddTakesItUndivided", "1234", "1234", "1,234.00 ", 0, {"--mode", "5"}},
        PasteCase{"TrailingLetters", "12abc", "7", "7. ", 1},
        PasteCase{"NoTextOnTheClipboard", "", "7", "7. ", 1},
        PasteCase{"OnlyBlanks", "%20%20", "7", "7. ", 1},
        PasteCase{"Infinity", "inf", "7", "7. ", 1}, PasteCase{"NotANumber", "nan", "7", "7. ", 1},
        PasteCase{"Hexadecimal", "0x1A", "7", "7. ", 1},
        PasteCase{"TooLargeForTheDisplay", "1e15", "7", "7. ", 1},
        PasteCase{"BeyondTheDoubleRange", "1e999", "7", "7. ", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Paste, BackspaceAfterAPasteStartsFromZero) {
    const Replayed r = Replay("clip:55 k24 k13");
    EXPECT_EQ(r["cur"], "0");
    EXPECT_EQ(r["display"], "0. ");
}

TEST(Paste, PastedValueIsTheOperandOfTheNextOperation) {
    const Replayed r = Replay("clip:2.5 k24 k15 k15");
    EXPECT_EQ(r.tape, (std::vector<std::string>{"2 True 2.5", "2 True 2.5"}));
    EXPECT_EQ(r["total"], "5");
}

TEST(DecimalPointKey, TypesTheLocaleSeparator) {
    EXPECT_EQ(Replay("k1 k27 k5", {"--decimal", ",", "--group", "."})["entry"], "1,5");
}

}  // namespace
}  // namespace vantrel::testing
