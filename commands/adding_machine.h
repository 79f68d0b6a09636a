#pragma once

#include "commands/command_ports.h"
#include "commands/dispatcher.h"
#include "commands/keyboard_map.h"
#include "core/calculator.h"
#include "core/locale_separators.h"
#include "core/ports.h"

namespace vantrel {

struct AddingMachinePorts {
    DisplayPort& display;
    BlinkTimer& timer;
    TonePort& tones;
    TapePort& tape;
    ClipboardPort& clipboard;
    WindowPort& window;
};

// The calculator with its two roads in, the dispatcher of the keypad and the keyboard mapping,
// wired once for the window and for the headless session alike.
class AddingMachine : private KeyboardTarget {
  public:
    AddingMachine(AddingMachinePorts ports, LocaleSeparators separators);

    // Start-up before the settings are applied: the empty memory label, the entry at "0".
    void Start();

    void theButton_Click(CommandIndex Index) override { m_dispatcher.theButton_Click(Index); }

    Calculator& Calc() { return m_calculator; }
    const Calculator& Calc() const { return m_calculator; }
    Dispatcher& Commands() { return m_dispatcher; }
    KeyboardMapping& Keyboard() { return m_keyboard; }

  private:
    void ShowButtonPressed(CommandIndex index, bool pressed) override {
        m_window.ShowButtonPressed(index, pressed);
    }
    bool UndoAvailable() const override { return m_calculator.UndoAvailable(); }
    void SelectRoundOption(int mode) override { m_calculator.RoundOpt_Click(mode); }
    void PageUpDown(PageDirection direction) override { m_window.PageUpDown(direction); }
    void CopyTapeImage(TapeImageMode Mode) override { m_window.CopyTapeImage(Mode); }
    void ExitPrompt() override { m_window.ExitPrompt(); }

    WindowPort& m_window;
    Calculator m_calculator;
    Dispatcher m_dispatcher;
    KeyboardMapping m_keyboard{*this};
};

}  // namespace vantrel
