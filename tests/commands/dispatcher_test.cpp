#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/replay_harness.h"
#include "tests/support/tape_marks.h"

namespace vantrel::testing {
namespace {

const std::string kError = "k:Digit8 k:Divide k:Digit0 k:Total ";

TEST(ErrorGate, RefusesAllButClearAllNewAndUndoWithTheBeep) {
    for (const char* key :
         {"k:Digit5", "k:Clear", "k:MemoryClear", "k:Backspace", "k:Add", "k:Total", "k:Copy",
          "k:Paste", "k:DoubleZero", "k:DecimalPoint", "k:PrintTape"}) {
        const Replayed r = Replay(kError + key);
        EXPECT_EQ(r["beeps"], "1") << key;
        EXPECT_EQ(r["display"], "-Error- ") << key;
        EXPECT_EQ(r.tape.size(), 3u) << key;
        EXPECT_EQ(r["messages"], "") << key;
    }
}

TEST(ErrorGate, ClearAllNewAndUndoLeadOut) {
    const Replayed clearAll = Replay(kError + "k:ClearAll");
    EXPECT_EQ(clearAll["error"], "False");
    EXPECT_EQ(clearAll["display"], "0. ");
    EXPECT_EQ(clearAll.tape.back(), Line(TapeOpClearAll, "0"));

    const Replayed fresh = Replay(kError + "k:New");
    EXPECT_EQ(fresh["error"], "False");
    EXPECT_TRUE(fresh.tape.empty());

    EXPECT_EQ(Replay(kError + "k:Undo")["error"], "False");
    EXPECT_EQ(Replay(kError + "k:ClearAll k:Digit5")["entry"], "5");
}

TEST(ErrorGate, IsNotInTheWayOfPushedOperations) {
    const Replayed r = Replay(kError + "op10 op2");
    EXPECT_EQ(r["beeps"], "0");
    EXPECT_EQ(r["error"], "False");
    EXPECT_EQ(r.tape.back(), Line(TapeOpAdd, "0"));
}

TEST(New, ClearsTapeMemoryAndUndo) {
    const Replayed r = Replay("k:Digit5 k:MemoryAdd k:Digit3 k:Add k:New");
    EXPECT_TRUE(r.tape.empty());
    EXPECT_EQ(r["memvalue"], "0");
    EXPECT_EQ(r["memory"], "0. ");
    EXPECT_EQ(r["undo"], "False");
    EXPECT_EQ(r["counter"], "0 ");
    EXPECT_EQ(r["total"], "0");
}

TEST(PrintTape, ReportsAnEmptyTapeOnly) {
    EXPECT_EQ(Replay("k:PrintTape")["messages"], "Nothing to print");
    EXPECT_EQ(Replay("k:PrintTape k:PrintTape")["messages"], "Nothing to print|Nothing to print");
    EXPECT_EQ(Replay("k:Digit5 k:Add k:PrintTape")["messages"], "");
}

TEST(Copy, PutsTheDisplayedNumberWithoutItsTrailingBlank) {
    EXPECT_EQ(
        Replay("k:Digit1 k:Digit2 k:Digit3 k:Digit4 k:DecimalPoint k:Digit5 k:Subtract k:Copy",
               {"--mode", "2"})["clipboard"],
        "-1,234.50");
    EXPECT_EQ(Replay("k:Digit1 k:Digit2 k:Digit3 k:Digit4 k:Copy")["clipboard"], "1,234.");
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
    const Replayed r = Replay("k:Digit7 " + put + "k:Paste", c.arguments);
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
    const Replayed r = Replay("clip:55 k:Paste k:Backspace");
    EXPECT_EQ(r["cur"], "0");
    EXPECT_EQ(r["display"], "0. ");
}

TEST(Paste, PastedValueIsTheOperandOfTheNextOperation) {
    const Replayed r = Replay("clip:2.5 k:Paste k:Add k:Add");
    EXPECT_EQ(r.tape, (std::vector<std::string>{Line(TapeOpAdd, "2.5"), Line(TapeOpAdd, "2.5")}));
    EXPECT_EQ(r["total"], "5");
}

TEST(DecimalPointKey, TypesTheLocaleSeparator) {
    EXPECT_EQ(
        Replay("k:Digit1 k:DecimalPoint k:Digit5", {"--decimal", ",", "--group", "."})["entry"],
        "1,5");
}

}  // namespace
}  // namespace vantrel::testing
