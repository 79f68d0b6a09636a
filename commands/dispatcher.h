#pragma once

#include <cstdint>

#include "commands/command_ports.h"
#include "core/calculator.h"
#include "core/ports.h"

namespace vantrel {

// The single road from a keypad key, a mapped key or a menu entry to the calculator, the tape
// and the clipboard: command index 0 to 30 with the error gate in front.
class Dispatcher {
  public:
    static constexpr std::int16_t kCommandCount = 31;

    Dispatcher(Calculator& calculator, TapePort& tape, ClipboardPort& clipboard, WindowPort& window,
               TonePort& tones)
        : m_calculator(calculator),
          m_tape(tape),
          m_clipboard(clipboard),
          m_window(window),
          m_tones(tones) {}

    void theButton_Click(std::int16_t Index);

    void Copy();
    void PasteFromClipboard();

  private:
    void Backspace();
    void New();
    void PrintTape();

    Calculator& m_calculator;
    TapePort& m_tape;
    ClipboardPort& m_clipboard;
    WindowPort& m_window;
    TonePort& m_tones;
};

}  // namespace vantrel
