#pragma once

#include <cstdint>

#include "core/vocabulary.h"

namespace vantrel {

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// What a mapped key does to the main window.
class KeyboardTarget {
  public:
    virtual ~KeyboardTarget() = default;
    virtual void theButton_Click(CommandIndex Index) = 0;
    // Pressed look (single fixed frame) or rest look of a keypad button.
    virtual void ShowButtonPressed(CommandIndex index, bool pressed) = 0;
    // Whether there is something to undo, which the Undo key shows.
    virtual bool UndoAvailable() const = 0;
    // The same as a click on RoundOpt(mode).
    virtual void SelectRoundOption(int mode) = 0;
    virtual void PageUpDown(PageDirection direction) = 0;
    virtual void CopyTapeImage(TapeImageMode Mode) = 0;
    // Asks "Exit Vantrel Calculator" and closes the window on OK.
    virtual void ExitPrompt() = 0;
};

// Whether the key, under the Shift/Ctrl/Alt mask, is one that moves the keyboard focus: Tab, the
// arrows, Home or End, and none of the keyboard tables gives it a meaning of its own.
bool IsFocusKey(int KeyCode, int modifiers);

// Turns the main window's key-down and key-up events (Windows virtual-key codes and a
// Shift/Ctrl/Alt mask) into keypad commands, option selections, tape paging and the exit prompt.
class KeyboardMapping {
  public:
    explicit KeyboardMapping(KeyboardTarget& target) : m_target(target) {}

    void Form_KeyDown(int KeyCode, int modifiers);
    // The modifier mask plays no part in a release.
    void Form_KeyUp(int KeyCode);
    // The window regained the focus: a key released while a modal box or another window had
    // the focus must not swallow the next press of that key.
    void ForgetLastKey() { m_lastKeyCode = 0; }

  private:
    void Run(int KeyCode, int modifiers);

    KeyboardTarget& m_target;
    std::int16_t m_lastKeyCode = 0;
};

}  // namespace vantrel
