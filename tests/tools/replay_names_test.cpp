#include <gtest/gtest.h>

#include <string>

#include "tests/support/replay_harness.h"

namespace vantrel::testing {
namespace {

struct NamedStream {
    const char* named;
    const char* numbered;
};

TEST(ReplayNames, EveryNameRunsWhatItsNumberRuns) {
    const NamedStream streams[] = {
        {"k:Digit1 k:Digit2 k:DecimalPoint k:Digit5 k:Add k:Digit3 k:Subtract k:Total",
         "k1 k2 k27 k5 k15 k3 k14 k19"},
        {"k:Digit8 k:Divide k:Digit0 k:Total k:Undo k:Digit4 k:Multiply k:Digit6 k:Percent",
         "k8 k16 k0 k19 k30 k4 k17 k6 k18"},
        {"k:Digit9 k:MemoryAdd k:Digit7 k:MemorySubtract k:MemoryRestore k:Copy k:ClearAll "
         "k:Paste k:DoubleZero k:Backspace k:Clear k:ShowHideTape k:PrintTape k:MemoryClear k:New",
         "k9 k22 k7 k21 k20 k23 k10 k24 k26 k13 k12 k25 k28 k11 k29"},
        {"in50000,0 op:Add op:MemoryAdd op:Subtract op:MemorySubtract op:Multiply op:Divide "
         "op:Percent op:MemoryRestore op:Total op:MemoryClear op:Clear op:ClearAll",
         "in50000,0 op2 op9 op1 op8 op4 op3 op5 op7 op6 op11 op12 op10"},
        {"mode:Integer k:Digit5 mode:OnePlace mode:TwoPlaces mode:ThreePlaces mode:FourPlaces "
         "mode:AutoAdd2 k:Digit5 k:Add mode:FloatingPoint",
         "mode0 k5 mode1 mode2 mode3 mode4 mode5 k5 k15 mode6"},
    };
    for (const NamedStream& stream : streams) {
        const Replayed named = Replay(stream.named);
        const Replayed numbered = Replay(stream.numbered);
        ASSERT_EQ(named.exitStatus, 0) << named.err;
        EXPECT_EQ(named.tape, numbered.tape) << stream.named;
        EXPECT_EQ(named.items, numbered.items) << stream.named;
    }
}

TEST(ReplayNames, AnUnknownNameIsRefusedByItsName) {
    for (const char* token : {"k:Ad", "k:7", "op:Digit7", "op:Copy", "mode:5", "k:"}) {
        const Replayed r = Replay(std::string("k5 ") + token);
        EXPECT_EQ(r.exitStatus, 2) << token;
        EXPECT_TRUE(r.items.empty()) << token;
        EXPECT_NE(r.err.find(std::string("'") + token + "'"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace vantrel::testing
