#include <gtest/gtest.h>

#include <vector>

#include "core/calculator.h"
#include "tools/headless/headless_ports.h"

namespace vantrel {
namespace {

class RoundOption : public ::testing::Test {
  protected:
    std::vector<std::string> messages;
    RecordingDisplay display;
    ManualTimer timer;
    CountingTones tones;
    HeadlessTape tape{messages};
    Calculator calculator{{display, timer, tones, tape}, LocaleSeparators{}};
};

TEST_F(RoundOption, NoneSelectedReadsAsInteger) {
    EXPECT_EQ(calculator.SelectedRoundOption(), 0);
    calculator.RoundOpt_Click(7);
    calculator.RoundOpt_Click(-1);
    EXPECT_EQ(calculator.SelectedRoundOption(), 0);
    EXPECT_EQ(display.roundOption, -1) << "no option button was selected";
}

TEST_F(RoundOption, ClickSelectsTheButtonAndRedrawsTheEntry) {
    calculator.cmd_Input("7", false);
    calculator.RoundOpt_Click(3);
    EXPECT_EQ(calculator.SelectedRoundOption(), 3);
    EXPECT_EQ(display.roundOption, 3);
    EXPECT_EQ(display.displayText, "7. ");
    calculator.RoundOpt_Click(5);
    EXPECT_EQ(display.displayText, "0.07 ");
    EXPECT_EQ(calculator.State().registers.CurValue, 7) << "a redraw changes no value";
}

TEST_F(RoundOption, StartUpShowsTheLabelsAndLeavesTheEntryToTheFirstClick) {
    calculator.ShowEmptyMemory();
    calculator.StartEntry();
    EXPECT_EQ(display.memoryLabel, "0. ");
    EXPECT_EQ(display.counterLabel, "0 ");
    EXPECT_FALSE(display.undoAvailable);
    EXPECT_EQ(display.roundOption, -1) << "no option is selected before the settings are applied";
    EXPECT_EQ(display.displayText, "");
    calculator.RoundOpt_Click(2);
    EXPECT_EQ(display.displayText, "0. ");
}

}  // namespace
}  // namespace vantrel
