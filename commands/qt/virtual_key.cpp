#include "commands/qt/virtual_key.h"

#include <array>

#include "commands/keyboard_map.h"
#include "commands/qt/key_pairs.h"
#include "commands/qt/pad_key.h"
#include "commands/virtual_keys.h"

namespace vantrel {
namespace {

constexpr std::array kNamedKeys{
    KeyPair{Qt::Key_Backspace, kVkBack}, KeyPair{Qt::Key_Tab, 9},
    KeyPair{Qt::Key_Backtab, 9},         KeyPair{Qt::Key_Return, kVkReturn},
    KeyPair{Qt::Key_Enter, kVkReturn},   KeyPair{Qt::Key_Shift, 16},
    KeyPair{Qt::Key_Control, 17},        KeyPair{Qt::Key_Alt, 18},
    KeyPair{Qt::Key_AltGr, 18},          KeyPair{Qt::Key_Pause, 19},
    KeyPair{Qt::Key_CapsLock, 20},       KeyPair{Qt::Key_Escape, kVkEscape},
    KeyPair{Qt::Key_Space, kVkSpace},    KeyPair{Qt::Key_PageUp, kVkPrior},
    KeyPair{Qt::Key_PageDown, kVkNext},  KeyPair{Qt::Key_End, kVkEnd},
    KeyPair{Qt::Key_Home, kVkHome},      KeyPair{Qt::Key_Left, kVkLeft},
    KeyPair{Qt::Key_Up, kVkUp},          KeyPair{Qt::Key_Right, kVkRight},
    KeyPair{Qt::Key_Down, kVkDown},      KeyPair{Qt::Key_Insert, kVkInsert},
    KeyPair{Qt::Key_Delete, kVkDelete},  KeyPair{Qt::Key_Meta, 91},
    KeyPair{Qt::Key_Menu, 93},           KeyPair{Qt::Key_NumLock, 144},
    KeyPair{Qt::Key_ScrollLock, 145},
};

// Where no keyboard map is known: the main-row keys by position, as X11 and Wayland report
// the evdev code + 8 as the native scan code.
constexpr std::array kMainRowScanCodes{
    KeyPair{10, 49}, KeyPair{11, 50}, KeyPair{12, 51}, KeyPair{13, 52}, KeyPair{14, 53},
    KeyPair{15, 54}, KeyPair{16, 55}, KeyPair{17, 56}, KeyPair{18, 57}, KeyPair{19, 48},
};

// Where no keyboard map is known: the punctuation keys by the character they give, shifted or
// not, on a US layout; the shifted digits serve where no scan code is known either.
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

// A key by the symbol it gives without Shift in the active map (keysyms of ASCII characters
// are their codes). A key whose first symbol is the asterisk, as on French keyboards and
// virtual keyboards, multiplies; the plus key of German keyboards is the plus key.
constexpr std::array kBaseKeysyms{
    KeyPair{'*', kVkMultiply},  KeyPair{';', 186},     KeyPair{'=', kVkOemPlus},
    KeyPair{'+', kVkOemPlus},   KeyPair{',', 188},     KeyPair{'-', kVkOemMinus},
    KeyPair{'.', kVkOemPeriod}, KeyPair{'/', kVkOem2}, KeyPair{'`', kVkOem3},
    KeyPair{0xfe50, kVkOem3},   KeyPair{'[', 219},     KeyPair{'\\', 220},
    KeyPair{']', 221},          KeyPair{'\'', 222},
};

std::optional<int> MappedKeyCode(const MappedKey& mapped) {
    if (mapped.digit) {
        return VkDigit(*mapped.digit);
    }
    return FindKey(kBaseKeysyms, mapped.baseKeysym);
}

std::optional<int> UnmappedKeyCode(int key, quint32 scanCode) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return kVkDigit0 + (key - Qt::Key_0);
    }
    if (auto digitByPosition = FindKey(kMainRowScanCodes, scanCode)) {
        return digitByPosition;
    }
    return FindKey(kSymbolKeys, key);
}

std::optional<int> MainKeyboardCode(const QKeyEvent& event, const KeymapLookup& keymap) {
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return kVkLetterA + (key - Qt::Key_A);
    }
    if (auto named = FindKey(kNamedKeys, key)) {
        return named;
    }
    // The map tells what the key carries, wherever it sits: virtual keyboards number their
    // keys in order of use, and AZERTY keeps its digits under Shift.
    if (const auto mapped = keymap ? keymap(event.nativeScanCode()) : std::nullopt) {
        return MappedKeyCode(*mapped);
    }
    return UnmappedKeyCode(key, event.nativeScanCode());
}

}  // namespace

int VirtualKeyCode(const QKeyEvent& event, const KeymapLookup& keymap) {
    if (auto pad = PadKeyCode(event)) {
        return *pad;
    }
    return MainKeyboardCode(event, keymap).value_or(0);
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
