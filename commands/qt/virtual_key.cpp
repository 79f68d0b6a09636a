#include "commands/qt/virtual_key.h"

#include <array>
#include <optional>
#include <utility>

#include "commands/keyboard_map.h"
#include "commands/virtual_keys.h"

namespace vantrel {
namespace {

using KeyPair = std::pair<int, int>;  // Qt key, virtual-key code

constexpr std::array kKeypadKeys{
    KeyPair{Qt::Key_Asterisk, 106}, KeyPair{Qt::Key_Plus, 107},  KeyPair{Qt::Key_Minus, 109},
    KeyPair{Qt::Key_Period, 110},   KeyPair{Qt::Key_Comma, 110}, KeyPair{Qt::Key_Slash, 111},
    KeyPair{Qt::Key_Enter, 13},     KeyPair{Qt::Key_Return, 13}, KeyPair{Qt::Key_Delete, 46},
    KeyPair{Qt::Key_Insert, 45},    KeyPair{Qt::Key_PageUp, 33}, KeyPair{Qt::Key_PageDown, 34},
    KeyPair{Qt::Key_End, 35},       KeyPair{Qt::Key_Home, 36},   KeyPair{Qt::Key_Left, 37},
    KeyPair{Qt::Key_Up, 38},        KeyPair{Qt::Key_Right, 39},  KeyPair{Qt::Key_Down, 40},
    KeyPair{Qt::Key_Clear, 12},
};

constexpr std::array kNamedKeys{
    KeyPair{Qt::Key_Backspace, 8}, KeyPair{Qt::Key_Tab, 9},       KeyPair{Qt::Key_Backtab, 9},
    KeyPair{Qt::Key_Return, 13},   KeyPair{Qt::Key_Enter, 13},    KeyPair{Qt::Key_Shift, 16},
    KeyPair{Qt::Key_Control, 17},  KeyPair{Qt::Key_Alt, 18},      KeyPair{Qt::Key_AltGr, 18},
    KeyPair{Qt::Key_Pause, 19},    KeyPair{Qt::Key_CapsLock, 20}, KeyPair{Qt::Key_Escape, 27},
    KeyPair{Qt::Key_Space, 32},    KeyPair{Qt::Key_PageUp, 33},   KeyPair{Qt::Key_PageDown, 34},
    KeyPair{Qt::Key_End, 35},      KeyPair{Qt::Key_Home, 36},     KeyPair{Qt::Key_Left, 37},
    KeyPair{Qt::Key_Up, 38},       KeyPair{Qt::Key_Right, 39},    KeyPair{Qt::Key_Down, 40},
    KeyPair{Qt::Key_Insert, 45},   KeyPair{Qt::Key_Delete, 46},   KeyPair{Qt::Key_Meta, 91},
    KeyPair{Qt::Key_Menu, 93},     KeyPair{Qt::Key_NumLock, 144}, KeyPair{Qt::Key_ScrollLock, 145},
};

// The main-row keys by position: X11 and Wayland report the evdev code + 8 as the native scan
// code. The digit row's position decides its code whatever the layout or Shift makes of it.
constexpr std::array kMainRowScanCodes{
    KeyPair{10, 49}, KeyPair{11, 50}, KeyPair{12, 51}, KeyPair{13, 52}, KeyPair{14, 53},
    KeyPair{15, 54}, KeyPair{16, 55}, KeyPair{17, 56}, KeyPair{18, 57}, KeyPair{19, 48},
};

// The punctuation keys by the character they give, shifted or not, on a US layout; the
// shifted digits serve where no scan code is known.
constexpr std::array kSymbolKeys{
    KeyPair{Qt::Key_Exclam, 49},        KeyPair{Qt::Key_At, 50},
    KeyPair{Qt::Key_NumberSign, 51},    KeyPair{Qt::Key_Dollar, 52},
    KeyPair{Qt::Key_Percent, 53},       KeyPair{Qt::Key_AsciiCircum, 54},
    KeyPair{Qt::Key_Ampersand, 55},     KeyPair{Qt::Key_Asterisk, 56},
    KeyPair{Qt::Key_ParenLeft, 57},     KeyPair{Qt::Key_ParenRight, 48},
    KeyPair{Qt::Key_Semicolon, 186},    KeyPair{Qt::Key_Colon, 186},
    KeyPair{Qt::Key_Equal, 187},        KeyPair{Qt::Key_Plus, 187},
    KeyPair{Qt::Key_Comma, 188},        KeyPair{Qt::Key_Less, 188},
    KeyPair{Qt::Key_Minus, 189},        KeyPair{Qt::Key_Underscore, 189},
    KeyPair{Qt::Key_Period, 190},       KeyPair{Qt::Key_Greater, 190},
    KeyPair{Qt::Key_Slash, 191},        KeyPair{Qt::Key_Question, 191},
    KeyPair{Qt::Key_QuoteLeft, 192},    KeyPair{Qt::Key_AsciiTilde, 192},
    KeyPair{Qt::Key_Dead_Grave, 192},   KeyPair{Qt::Key_Dead_Tilde, 192},
    KeyPair{Qt::Key_BracketLeft, 219},  KeyPair{Qt::Key_BraceLeft, 219},
    KeyPair{Qt::Key_Backslash, 220},    KeyPair{Qt::Key_Bar, 220},
    KeyPair{Qt::Key_BracketRight, 221}, KeyPair{Qt::Key_BraceRight, 221},
    KeyPair{Qt::Key_Apostrophe, 222},   KeyPair{Qt::Key_QuoteDbl, 222},
};

template <std::size_t N>
std::optional<int> Find(const std::array<KeyPair, N>& table, int key) {
    for (const auto& [from, to] : table) {
        if (from == key) {
            return to;
        }
    }
    return std::nullopt;
}

std::optional<int> KeypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return kVkNumpad0 + (key - Qt::Key_0);
    }
    return Find(kKeypadKeys, key);
}

std::optional<int> MainKeyboardCode(int key, quint32 scanCode) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return kVkLetterA + (key - Qt::Key_A);
    }
    if (auto named = Find(kNamedKeys, key)) {
        return named;
    }
    if (auto digitByPosition = Find(kMainRowScanCodes, static_cast<int>(scanCode))) {
        return digitByPosition;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return kVkDigit0 + (key - Qt::Key_0);
    }
    return Find(kSymbolKeys, key);
}

}  // namespace

int VirtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (auto keypad = KeypadCode(key)) {
            return *keypad;
        }
    }
    return MainKeyboardCode(key, event.nativeScanCode()).value_or(0);
}

int ModifierMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        mask |= kShiftMask;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        mask |= kCtrlMask;
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        mask |= kAltMask;
    }
    return mask;
}

}  // namespace vantrel
