#pragma once

#include <QKeyEvent>

namespace vantrel {

// The Windows virtual-key code of a key event, the code the keyboard tables are written in;
// 0 for a key that has none. Keys of the number pad keep their own codes (96 to 111), and the
// main-row digit keys give 48 to 57 also when Shift turns them into symbols.
int VirtualKeyCode(const QKeyEvent& event);

// The Shift (1), Ctrl (2) and Alt (4) mask of the keyboard tables.
int ModifierMask(Qt::KeyboardModifiers modifiers);

}  // namespace vantrel
