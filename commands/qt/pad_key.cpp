#include "commands/qt/pad_key.h"

#include <algorithm>
#include <array>

#include "commands/qt/key_pairs.h"
#include "commands/virtual_keys.h"

namespace vantrel {
namespace {

// The pad's keysyms (X11 protocol values, as libxkbcommon names them KP_*). KP_Separator is
// the decimal key of comma layouts, KP_Decimal that of point layouts: both are the pad's
// decimal key.
constexpr long kKeysymPad0 = 0xffb0;
constexpr long kKeysymPad9 = 0xffb9;
constexpr std::array kPadKeysyms{
    KeyPair{0xffaa, kVkMultiply}, KeyPair{0xffab, kVkAdd},     KeyPair{0xffac, kVkDecimal},
    KeyPair{0xffad, kVkSubtract}, KeyPair{0xffae, kVkDecimal}, KeyPair{0xffaf, kVkDivide},
    KeyPair{0xff8d, kVkReturn},   KeyPair{0xff9f, kVkDelete},  KeyPair{0xff9e, kVkInsert},
    KeyPair{0xff9a, kVkPrior},    KeyPair{0xff9b, kVkNext},    KeyPair{0xff9c, kVkEnd},
    KeyPair{0xff95, kVkHome},     KeyPair{0xff96, kVkLeft},    KeyPair{0xff97, kVkUp},
    KeyPair{0xff98, kVkRight},    KeyPair{0xff99, kVkDown},    KeyPair{0xff9d, kVkClear},
};

// The pad's keys by what Qt makes of them once they are known to be on the pad.
constexpr std::array kPadQtKeys{
    KeyPair{Qt::Key_Asterisk, kVkMultiply}, KeyPair{Qt::Key_Plus, kVkAdd},
    KeyPair{Qt::Key_Minus, kVkSubtract},    KeyPair{Qt::Key_Period, kVkDecimal},
    KeyPair{Qt::Key_Comma, kVkDecimal},     KeyPair{Qt::Key_Slash, kVkDivide},
    KeyPair{Qt::Key_Enter, kVkReturn},      KeyPair{Qt::Key_Return, kVkReturn},
    KeyPair{Qt::Key_Delete, kVkDelete},     KeyPair{Qt::Key_Insert, kVkInsert},
    KeyPair{Qt::Key_PageUp, kVkPrior},      KeyPair{Qt::Key_PageDown, kVkNext},
    KeyPair{Qt::Key_End, kVkEnd},           KeyPair{Qt::Key_Home, kVkHome},
    KeyPair{Qt::Key_Left, kVkLeft},         KeyPair{Qt::Key_Up, kVkUp},
    KeyPair{Qt::Key_Right, kVkRight},       KeyPair{Qt::Key_Down, kVkDown},
    KeyPair{Qt::Key_Clear, kVkClear},
};

// The pad's keys as X11 and Wayland number them, the evdev code + 8: * 7 8 9 - 4 5 6 + 1 2 3
// 0 . Enter / and the comma of some pads.
constexpr std::array<quint32, 17> kPadScanCodes{63, 79, 80, 81, 82, 83,  84,  85, 86,
                                                87, 88, 89, 90, 91, 104, 106, 129};

bool IsPadScanCode(quint32 scanCode) {
    return std::find(kPadScanCodes.begin(), kPadScanCodes.end(), scanCode) != kPadScanCodes.end();
}

std::optional<int> CodeOfPadKeysym(quint32 keysym) {
    if (keysym >= kKeysymPad0 && keysym <= kKeysymPad9) {
        return kVkNumpad0 + static_cast<int>(keysym - kKeysymPad0);
    }
    return FindKey(kPadKeysyms, keysym);
}

std::optional<int> CodeOfPadQtKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return kVkNumpad0 + (key - Qt::Key_0);
    }
    return FindKey(kPadQtKeys, key);
}

}  // namespace

std::optional<int> PadKeyCode(const QKeyEvent& event) {
    if (auto byKeysym = CodeOfPadKeysym(event.nativeVirtualKey())) {
        return byKeysym;
    }
    if (event.modifiers().testFlag(Qt::KeypadModifier) || IsPadScanCode(event.nativeScanCode())) {
        return CodeOfPadQtKey(event.key());
    }
    return std::nullopt;
}

}  // namespace vantrel
