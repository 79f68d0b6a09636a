#pragma once

#include "commands/command_ports.h"
#include "core/calculator.h"
#include "core/ports.h"
#include "core/vocabulary.h"

namespace vantrel {

// The single road from a keypad key, a mapped key or a menu entry to the calculator, the tape
// and the clipboard: a command index with the error gate in front.
class Dispatcher {
  public:
    Dispatcher(Calculator& calculator, TapePort& tape, ClipboardPort& clipboard, WindowPort& window,
               TonePort& tones)
        : m_calculator(calculator),
          m_tape(tape),
          m_clipboard(clipboard),
          m_window(window),
          m_tones(tones) {}

    // An index outside the table is ignored.
    void theButton_Click(CommandIndex Index);

    void Copy();
    void PasteFromClipboard();

  private:
    void Run(CommandIndex Index);

    Calculator& m_calculator;
    TapePort& m_tape;
    ClipboardPort& m_clipboard;
    WindowPort& m_window;
    TonePort& m_tones;
};

}  // namespace vantrel
