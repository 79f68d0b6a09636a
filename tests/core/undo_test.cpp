#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/replay_harness.h"
#include "tests/support/tape_marks.h"

namespace vantrel::testing {
namespace {

const std::string kFifteenNines = Repeat("k:Digit9", 15);

TEST(Undo, TakesBackTheLastItemAndItsTapeLine) {
    const Replayed r = Replay("k:Digit5 k:Add k:Digit3 k:Add k:Undo");
    EXPECT_EQ(r["total"], "5");
    EXPECT_EQ(r["counter"], "1 ");
    EXPECT_EQ(r.tape, std::vector<std::string>{Line(TapeOpAdd, "5")});
    EXPECT_EQ(r["display"], "3. ");
    EXPECT_EQ(r["undo"], "False");
    EXPECT_EQ(r["entry"], "0");
}

TEST(Undo, LeadsOutOfTheErrorStateBackToThePendingDivision) {
    const Replayed undone = Replay("k:Digit8 k:Divide k:Digit0 k:Total k:Undo");
    EXPECT_EQ(undone["error"], "False");
    EXPECT_EQ(undone.tape, std::vector<std::string>{Line(TapeOpDivide, "8")});
    EXPECT_EQ(undone["display"], "0. ");

    const Replayed completed = Replay("k:Digit8 k:Divide k:Digit0 k:Total k:Undo k:Digit4 k:Total");
    EXPECT_EQ(completed["display"], "2. ");
    EXPECT_EQ(completed.tape.back(), Line(TapeOpValue, "2"));
}

TEST(Undo, BringsBackTheMemoryAndItsLabel) {
    const Replayed r =
        Replay("k:Digit1 k:Digit2 k:DecimalPoint k:Digit5 k:MemoryAdd k:MemoryClear k:Undo");
    EXPECT_EQ(r["memvalue"], "12.5");
    EXPECT_EQ(r["memory"], "12.5 ");
    EXPECT_EQ(r.tape, std::vector<std::string>{Line(TapeOpMemoryAdd, "12.5")});
}

TEST(Undo, BringsBackWhatClearAllCleared) {
    const Replayed r = Replay("k:Digit4 k:Add k:Digit6 k:Multiply k:ClearAll k:Undo");
    EXPECT_EQ(r["total"], "4");
    EXPECT_EQ(r["items"], "1");
    EXPECT_EQ(r["pending"], "4");
    EXPECT_EQ(r["muldiv"], "6");
    EXPECT_EQ(r.tape, (std::vector<std::string>{Line(TapeOpAdd, "4"), Line(TapeOpMultiply, "6")}));
}

TEST(Undo, ClearNeitherOffersUndoNorReplacesTheSnapshot) {
    EXPECT_EQ(Replay("k:Digit5 k:Clear")["undo"], "False");
    const Replayed r = Replay("k:Digit5 k:Add k:Digit7 k:Clear k:Undo");
    EXPECT_EQ(r["total"], "0");
    EXPECT_TRUE(r.tape.empty());
}

TEST(Undo, IsOneLevelDeepAndGoneAfterNew) {
    const Replayed twice = Replay("k:Digit5 k:Add k:Digit3 k:Add k:Undo k:Undo");
    EXPECT_EQ(twice["total"], "5") << "the second press finds the key disabled";

    const Replayed afterNew = Replay("k:Digit5 k:Add k:New k:Undo");
    EXPECT_EQ(afterNew["undo"], "False");
    EXPECT_TRUE(afterNew.tape.empty());
    EXPECT_EQ(afterNew["beeps"], "0");
}

TEST(Undo, FallsBackToFloatingPointForAValueTheModeCannotShow) {
    const Replayed r = Replay(Repeat("k:Digit1", 12) + "k:Add k:Undo", {"--mode", "4"});
    EXPECT_EQ(r["mode"], "6");
    EXPECT_EQ(r["display"], "111,111,111,111. ");
    EXPECT_EQ(r["error"], "False");
    EXPECT_EQ(r["beeps"], "0");
    EXPECT_TRUE(r.tape.empty());
}

TEST(Undo, InFloatingPointAnUnshowableValueOnlyBeeps) {
    // The failed product leaves 1e30 in the operand; Clear All snapshots it, Undo restores it.
    const Replayed r =
        Replay(kFifteenNines + "k:Multiply " + kFifteenNines + "k:Total k:ClearAll k:Undo");
    EXPECT_EQ(r["beeps"], "1");
    EXPECT_EQ(r["mode"], "6");
    EXPECT_EQ(r["error"], "False") << "Clear All had left the error state";
    EXPECT_EQ(r["display"], "0. ") << "the display keeps what it showed";
    EXPECT_EQ(r["undo"], "False");
}

}  // namespace
}  // namespace vantrel::testing
