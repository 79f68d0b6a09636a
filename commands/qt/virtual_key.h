#pragma once

#include <QKeyEvent>
#include <functional>
#include <optional>

namespace vantrel {

// What the active keyboard map says of one key.
struct MappedKey {
    // The digit the key carries on its first level, or on its second (French AZERTY).
    std::optional<int> digit;
    // The symbol on its first level, the one it gives without Shift.
    quint32 baseKeysym = 0;
};

// Asks the active keyboard map about the key with this native scan code (the X11 and Wayland
// keycode); none where no map is known or the map lacks the key.
using KeymapLookup = std::function<std::optional<MappedKey>(quint32 scanCode)>;

// The Windows virtual-key code of a key event, the code the keyboard tables are written in;
// 0 for a key that has none. Keys of the number pad keep their own codes (96 to 111); a
// main-row key that carries a digit gives 48 to 57 also when Shift turns it into a symbol.
int VirtualKeyCode(const QKeyEvent& event, const KeymapLookup& keymap = {});

// The Shift (1), Ctrl (2) and Alt (4) mask of the keyboard tables.
int ModifierMask(Qt::KeyboardModifiers modifiers);

}  // namespace vantrel
