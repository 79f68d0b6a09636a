#pragma once

#include <string>
#include <vector>

#include "commands/dispatcher.h"
#include "commands/keyboard_map.h"
#include "core/calculator.h"

namespace vantrel {

// The keyboard as the window wires it, without a window: the exit prompt is recorded and
// answered Cancel, and paging and the tape-image copy have nothing to show.
class HeadlessKeyboard : public KeyboardTarget {
  public:
    HeadlessKeyboard(Calculator& calculator, Dispatcher& dispatcher,
                     std::vector<std::string>& messages)
        : m_calculator(calculator), m_dispatcher(dispatcher), m_messages(messages) {}

    void theButton_Click(std::int16_t Index) override { m_dispatcher.theButton_Click(Index); }
    void ShowButtonPressed(int, bool) override {}
    bool UndoButtonEnabled() const override { return m_calculator.UndoAvailable(); }
    void SelectRoundOption(int mode) override { m_calculator.RoundOpt_Click(mode); }
    void PageUpDown(bool) override {}
    void CopyTapeImage(int) override {}
    void ExitPrompt() override { m_messages.emplace_back("Exit Vantrel Calculator"); }

  private:
    Calculator& m_calculator;
    Dispatcher& m_dispatcher;
    std::vector<std::string>& m_messages;
};

}  // namespace vantrel
