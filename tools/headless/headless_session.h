#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "commands/adding_machine.h"
#include "core/vocabulary.h"
#include "tools/headless/headless_ports.h"

namespace vantrel {

// The adding machine wired to recording stand-ins, started as the window starts: the way
// tests, the replay tool and audits drive exactly the window's code.
class HeadlessSession {
  public:
    struct Options {
        int mode = kFloatingPointMode;
        LocaleSeparators separators;
    };

    explicit HeadlessSession(Options options);
    HeadlessSession() : HeadlessSession(Options{}) {}

    // A click on keypad button `index`.
    void Click(CommandIndex index) { m_machine.theButton_Click(index); }
    void Operate(OpIndex op) { m_machine.Calc().cmd_Operate(op); }
    // The amount message of another program.
    void PushAmount(std::uint32_t wParam, std::uint32_t lParam);
    void SelectMode(int mode) { m_machine.RoundOpt_Click(mode); }
    // A key pressed or released with a virtual-key code and a Shift 1, Ctrl 2, Alt 4 mask.
    void KeyDown(int keyCode, int modifiers) {
        m_machine.Keyboard().Form_KeyDown(keyCode, modifiers);
    }
    void KeyUp(int keyCode) { m_machine.Keyboard().Form_KeyUp(keyCode); }
    // Lets a running result blink end, as 100 ms of idle time would.
    void EndBlink();

    // Everything observable, one item per line, fields separated by tabs.
    void WriteReport(std::ostream& out) const;

    AddingMachine& Machine() { return m_machine; }
    const CalcState& State() const { return m_machine.Calc().State(); }
    const RecordingDisplay& Display() const { return m_display; }
    const TapeLineStore& Tape() const { return m_tape.store; }
    MemoryClipboard& Clipboard() { return m_clipboard; }
    const HeadlessWindow& Window() const { return m_window; }
    const ManualTimer& Timer() const { return m_timer; }
    int Beeps() const { return m_tones.beeps; }
    const std::vector<std::string>& Messages() const { return m_messages; }

  private:
    std::vector<std::string> m_messages;
    RecordingDisplay m_display;
    ManualTimer m_timer;
    CountingTones m_tones;
    HeadlessTape m_tape{m_messages};
    MemoryClipboard m_clipboard;
    HeadlessWindow m_window{m_messages};
    AddingMachine m_machine;
};

}  // namespace vantrel
