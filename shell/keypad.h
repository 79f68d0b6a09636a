#pragma once

#include <array>
#include <functional>
#include <vector>

#include "core/vocabulary.h"

class QWidget;

namespace vantrel {

class KeypadButton;

// The control array theButton: the 31 picture keys, with the Undo key showing one of its two
// faces as Undo is available or not.
class Keypad {
  public:
    Keypad(QWidget& parent, std::function<void(CommandIndex)> theButton_Click);

    // The pressed look (single fixed frame) or the rest look; an unknown index is ignored.
    void ShowButtonPressed(CommandIndex index, bool pressed) const;
    // The Undo key's picture and enabled state.
    void ShowUndoAvailable(bool available) const;
    // Every key, in the order of the command table.
    std::vector<QWidget*> Keys() const;

  private:
    KeypadButton& Button(CommandIndex index) const;

    std::array<KeypadButton*, kCommandCount> m_theButton{};
};

}  // namespace vantrel
