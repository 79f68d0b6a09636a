#pragma once

#include <QKeyEvent>
#include <optional>

namespace vantrel {

// The virtual-key code of a key of the number pad; none for any other key. A pad key is known
// by its keysym (Wayland and X11 give it as the native virtual key), by Qt's keypad modifier
// or by the pad's scan codes, so that it is found also where the platform sets no modifier.
std::optional<int> PadKeyCode(const QKeyEvent& event);

}  // namespace vantrel
