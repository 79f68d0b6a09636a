#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "commands/dispatcher.h"
#include "core/calculator.h"
#include "core/rounding.h"
#include "tools/headless/headless_keyboard.h"
#include "tools/headless/headless_ports.h"

namespace vantrel {

// The calculator, its dispatcher and the tape store wired to recording stand-ins, started as
// the window starts: the way tests, the replay tool and audits drive exactly the window's code.
class HeadlessSession {
  public:
    struct Options {
        int mode = kFloatingPointMode;
        LocaleSeparators separators;
    };

    explicit HeadlessSession(Options options);
    HeadlessSession() : HeadlessSession(Options{}) {}

    // A click on keypad button `index` as the mouse gives it: a disabled Undo key takes none.
    void Click(std::int16_t index);
    void Operate(std::int16_t opIndex);
    // The amount message of another program.
    void PushAmount(std::uint32_t wParam, std::uint32_t lParam);
    void SelectMode(int mode);
    // A key pressed or released with a virtual-key code and a Shift 1, Ctrl 2, Alt 4 mask.
    void KeyDown(int keyCode, int modifiers) { m_keyboard.Form_KeyDown(keyCode, modifiers); }
    void KeyUp(int keyCode) { m_keyboard.Form_KeyUp(keyCode); }
    // Lets a running result blink end, as 100 ms of idle time would.
    void EndBlink();

    // Everything observable, one item per line, fields separated by tabs.
    void WriteReport(std::ostream& out) const;

    Calculator& calculator() { return m_calculator; }
    Dispatcher& dispatcher() { return m_dispatcher; }
    const CalcState& state() const { return m_calculator.State(); }
    const RecordingDisplay& display() const { return m_display; }
    const TapeLineStore& tape() const { return m_tape.store; }
    MemoryClipboard& clipboard() { return m_clipboard; }
    const ManualTimer& timer() const { return m_timer; }
    int beeps() const { return m_tones.beeps; }
    const std::vector<std::string>& messages() const { return m_messages; }

  private:
    std::vector<std::string> m_messages;
    RecordingDisplay m_display;
    ManualTimer m_timer;
    CountingTones m_tones;
    HeadlessTape m_tape{m_messages};
    MemoryClipboard m_clipboard;
    HeadlessWindow m_window;
    Calculator m_calculator;
    Dispatcher m_dispatcher;
    HeadlessKeyboard m_keyTarget{m_calculator, m_dispatcher, m_messages};
    KeyboardMapping m_keyboard{m_keyTarget};
};

}  // namespace vantrel
