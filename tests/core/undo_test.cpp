#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/replay_harness.h"

namespace vantrel::testing {
namespace {

const std::string kFifteenNines = Repeat("k9", 15);

TEST(Undo, TakesBackTheLastItemAndItsTapeLine) {
    const Replayed r = Replay("k5 k15 k3 k15 k30");
    EXPECT_EQ(r["total"], "5");
    EXPECT_EQ(r["counter"], "1 ");
    EXPECT_EQ(r.tape, std::vector<std::string>{"2 True 5"});
    EXPECT_EQ(r["display"], "3. ");
    EXPECT_EQ(r["undo"], "False");
    EXPECT_EQ(r["entry"], "0");
}

TEST(Undo, LeadsOutOfTheErrorStateBackToThePendingDivision) {
    const Replayed undone = Replay("k8 k16 k0 k19 k30");
    EXPECT_EQ(undone["error"], "False");
    EXPECT_EQ(undone.tape, std::vector<std::string>{"3 True 8"});
    EXPECT_EQ(undone["display"], "0. ");

    const Replayed completed = Replay("k8 k16 k0 k19 k30 k4 k19");
    EXPECT_EQ(completed["display"], "2. ");
    EXPECT_EQ(completed.tape.back(), "-2 True 2");
}

TEST(Undo, BringsBackTheMemoryAndItsLabel) {
    const Replayed r = Replay("k1 k2 k27 k5 k22 k11 k30");
    EXPECT_EQ(r["memvalue"], "12.5");
    EXPECT_EQ(r["memory"], "12.5 ");
    EXPECT_EQ(r.tape, std::vector<std::string>{"6 True 12.5"});
}

TEST(Undo, BringsBackWhatClearAllCleared) {
    const Replayed r = Replay("k4 k15 k6 k17 k10 k30");
    EXPECT_EQ(r["total"], "4");
    EXPECT_EQ(r["items"], "1");
    EXPECT_EQ(r["pending"], "4");
    EXPECT_EQ(r["muldiv"], "6");
    EXPECT_EQ(r.tape, (std::vector<std::string>{"2 True 4", "4 True 6"}));
}

TEST(Undo, ClearNeitherOffersUndoNorReplacesTheSnapshot) {
    EXPECT_EQ(Replay("k5 k12")["undo"], "False");
    const Replayed r = Replay("k5 k15 k7 k12 k30");
    EXPECT_EQ(r["total"], "0");
    EXPECT_TRUE(r.tape.empty());
}

TEST(Undo, IsOneLevelDeepAndGoneAfterNew) {
    const Replayed twice = Replay("k5 k15 k3 k15 k30 k30");
    EXPECT_EQ(twice["total"], "5") << "the second press finds the key disabled";

    const Replayed afterNew = Replay("k5 k15 k29 k30");
    EXPECT_EQ(afterNew["undo"], "False");
    EXPECT_TRUE(afterNew.tape.empty());
    EXPECT_EQ(afterNew["beeps"], "0");
}

TEST(Undo, FallsBackToFloatingPointForAValueTheModeCannotShow) {
    const Replayed r = Replay(Repeat("k1", 12) + "k15 k30", {"--mode", "4"});
    EXPECT_EQ(r["mode"], "6");
    EXPECT_EQ(r["display"], "111,111,111,111. ");
    EXPECT_EQ(r["error"], "False");
    EXPECT_EQ(r["beeps"], "0");
    EXPECT_TRUE(r.tape.empty());
}

TEST(Undo, InFloatingPointAnUnshowableValueOnlyBeeps) {
    // The failed product leaves 1e30 in the operand; Clear All snapshots it, Undo restores it.
    const Replayed r = Replay(kFifteenNines + "k17 " + kFifteenNines + "k19 k10 k30");
    EXPECT_EQ(r["beeps"], "1");
    EXPECT_EQ(r["mode"], "6");
    EXPECT_EQ(r["error"], "False") << "Clear All had left the error state";
    EXPECT_EQ(r["display"], "0. ") << "the display keeps what it showed";
    EXPECT_EQ(r["undo"], "False");
}

}  // namespace
}  // namespace vantrel::testing
