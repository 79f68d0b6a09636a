#pragma once

#include <cstdint>

#include "commands/command_ports.h"
#include "core/vocabulary.h"

namespace vantrel {

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Where a mapped key's commands and option selections go: the adding machine.
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
    virtual void theButton_Click(CommandIndex Index) = 0;
    virtual void RoundOpt_Click(int index) = 0;
    // Whether there is something to undo, which the Undo key shows.
    virtual bool UndoAvailable() const = 0;
};

// Whether the key, under the Shift/Ctrl/Alt mask, is one that moves the keyboard focus: Tab, the
// arrows, Home or End, and none of the keyboard tables gives it a meaning of its own.
bool IsFocusKey(int keyCode, int modifiers);

// Turns the main window's key-down and key-up events (Windows virtual-key codes and a
// Shift/Ctrl/Alt mask) into keypad commands, option selections, tape paging and the exit prompt.
class KeyboardMapping {
  public:
    KeyboardMapping(CommandTarget& commands, WindowPort& window)
        : m_commands(commands), m_window(window) {}

    void Form_KeyDown(int KeyCode, int modifiers);
    // The modifier mask plays no part in a release.
    void Form_KeyUp(int KeyCode);
    // The window regained the focus: a key released while a modal box or another window had
    // the focus must not swallow the next press of that key.
    void ForgetLastKey() { m_lastKeyCode = 0; }

  private:
    void Run(int keyCode, int modifiers);
    void PressAndClick(CommandIndex index);

    CommandTarget& m_commands;
    WindowPort& m_window;
    std::int16_t m_lastKeyCode = 0;
};

}  // namespace vantrel
