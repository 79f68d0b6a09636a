#include "commands/qt/virtual_key.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <string>
#include <vector>

#include "commands/keyboard_map.h"

namespace vantrel {
namespace {

struct KeyCase {
    const char* name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    int expected;
    quint32 keysym = 0;  // the native virtual key: the keysym on X11 and Wayland
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

std::vector<KeyCase> KeyCases() {
    return {
        {"MainRowZero", Qt::Key_0, kNone, 0, 48},
        {"MainRowNine", Qt::Key_9, kNone, 0, 57},
        {"PadZero", Qt::Key_0, kPad, 0, 96},
        {"PadNine", Qt::Key_9, kPad, 0, 105},
        {"PadDecimal", Qt::Key_Period, kPad, 0, 110},
        {"PadDecimalComma", Qt::Key_Comma, kPad, 0, 110},
        {"MainRowPeriod", Qt::Key_Period, kNone, 0, 190},
        {"PadPlus", Qt::Key_Plus, kPad, 0, 107},
        {"MainRowEquals", Qt::Key_Equal, kNone, 0, 187},
        {"MainRowShiftedPlus", Qt::Key_Plus, kShift, 0, 187},
        {"PadMinus", Qt::Key_Minus, kPad, 0, 109},
        {"MainRowMinus", Qt::Key_Minus, kNone, 0, 189},
        {"MainRowUnderscore", Qt::Key_Underscore, kShift, 0, 189},
        {"PadAsterisk", Qt::Key_Asterisk, kPad, 0, 106},
        {"ShiftEightAsterisk", Qt::Key_Asterisk, kShift, 0, 56},
        {"ShiftFivePercent", Qt::Key_Percent, kShift, 0, 53},
        {"ShiftOneExclamation", Qt::Key_Exclam, kShift, 0, 49},
        {"ShiftZeroParenthesis", Qt::Key_ParenRight, kShift, 0, 48},
        {"PadSlash", Qt::Key_Slash, kPad, 0, 111},
        {"MainRowSlash", Qt::Key_Slash, kNone, 0, 191},
        {"MainRowQuestionMark", Qt::Key_Question, kShift, 0, 191},
        {"Grave", Qt::Key_QuoteLeft, kNone, 0, 192},
        {"Tilde", Qt::Key_AsciiTilde, kShift, 0, 192},
        {"Return", Qt::Key_Return, kNone, 0, 13},
        {"PadEnter", Qt::Key_Enter, kPad, 0, 13},
        {"Delete", Qt::Key_Delete, kNone, 0, 46},
        {"PadDelete", Qt::Key_Delete, kPad, 0, 46},
        {"Backspace", Qt::Key_Backspace, kNone, 0, 8},
        {"Space", Qt::Key_Space, kNone, 0, 32},
        {"Escape", Qt::Key_Escape, kNone, 0, 27},
        {"PageUp", Qt::Key_PageUp, kNone, 0, 33},
        {"PageDown", Qt::Key_PageDown, kNone, 0, 34},
        {"PadPageDown", Qt::Key_PageDown, kPad, 0, 34},
        {"LetterA", Qt::Key_A, Qt::ControlModifier, 0, 65},
        {"LetterZ", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 0, 90},
        {"Shift", Qt::Key_Shift, kShift, 0, 16},
        {"Control", Qt::Key_Control, Qt::ControlModifier, 0, 17},
        {"Alt", Qt::Key_Alt, Qt::AltModifier, 0, 18},
        // X11 and Wayland scan codes place the digit row whatever character it gives.
        {"ScanCodeShiftEight", Qt::Key_Asterisk, kShift, 17, 56},
        {"ScanCodeShiftFive", Qt::Key_Percent, kShift, 14, 53},
        {"ScanCodeAzertyOne", Qt::Key_Ampersand, kNone, 10, 49},
        {"ScanCodeAzertyZero", Qt::Key_Agrave, kNone, 19, 48},
        {"ScanCodeLeavesPadDigitsAlone", Qt::Key_8, kPad, 80, 104},
        {"ScanCodeLeavesLettersAlone", Qt::Key_Q, kNone, 24, 81},
        {"UnknownKey", Qt::Key_F35, kNone, 0, 0},
        // Qt 6.4 on Wayland sets no keypad modifier: the pad's keys carry their keysym.
        {"WaylandPadMultiply", Qt::Key_Asterisk, kNone, 63, 106, 0xffaa},
        {"WaylandPadSeparator", Qt::Key_Comma, kNone, 91, 110, 0xffac},
        {"WaylandPadDecimal", Qt::Key_Period, kNone, 91, 110, 0xffae},
        {"WaylandPadSeven", Qt::Key_7, kNone, 79, 103, 0xffb7},
        {"WaylandPadZero", Qt::Key_0, kNone, 90, 96, 0xffb0},
        {"WaylandPadPlus", Qt::Key_Plus, kNone, 86, 107, 0xffab},
        {"WaylandPadMinus", Qt::Key_Minus, kNone, 82, 109, 0xffad},
        {"WaylandPadDivide", Qt::Key_Slash, kNone, 106, 111, 0xffaf},
        {"WaylandPadEnter", Qt::Key_Enter, kNone, 104, 13, 0xff8d},
        {"WaylandPadEndWithoutNumLock", Qt::Key_End, kNone, 87, 35, 0xff9c},
        {"WaylandPadDeleteWithoutNumLock", Qt::Key_Delete, kNone, 91, 46, 0xff9f},
        // A layout option can give the pad's decimal key a main-row symbol; its scan code
        // still places it on the pad.
        {"PadScanCodeWithMainRowComma", Qt::Key_Comma, kNone, 91, 110, ','},
        {"PadScanCodeWithMainRowPeriod", Qt::Key_Period, kNone, 91, 110, '.'},
        // xcb marks the same keys with the keypad modifier.
        {"XcbPadMultiply", Qt::Key_Asterisk, kPad, 63, 106, 0xffaa},
        {"XcbPadSeparator", Qt::Key_Comma, kPad, 91, 110, 0xffac},
        {"XcbPadNine", Qt::Key_9, kPad, 81, 105, 0xffb9},
        // Without a keyboard map a digit is taken at its word before its position: a virtual
        // keyboard puts its 2 on the code where the digit row has its 1.
        {"VirtualKeyboardDigitBeforePosition", Qt::Key_2, kNone, 10, 50, '2'},
    };
}

class VirtualKeyCodeTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(VirtualKeyCodeTest, TranslatesToTheTableCode) {
    const KeyCase& c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.scanCode, c.keysym, 0);
    EXPECT_EQ(VirtualKeyCode(event), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, VirtualKeyCodeTest, ::testing::ValuesIn(KeyCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ModifierMaskTest, CombinesShiftCtrlAndAltBits) {
    EXPECT_EQ(ModifierMask(Qt::NoModifier), 0);
    EXPECT_EQ(ModifierMask(Qt::ShiftModifier), kShiftMask);
    EXPECT_EQ(ModifierMask(Qt::ControlModifier), kCtrlMask);
    EXPECT_EQ(ModifierMask(Qt::AltModifier), kAltMask);
    EXPECT_EQ(ModifierMask(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier),
              kShiftMask | kCtrlMask | kAltMask);
}

TEST(ModifierMaskTest, KeypadAndMetaAreNotModifiersOfTheTables) {
    EXPECT_EQ(ModifierMask(Qt::KeypadModifier), 0);
    EXPECT_EQ(ModifierMask(Qt::MetaModifier | Qt::ShiftModifier), kShiftMask);
}

}  // namespace
}  // namespace vantrel
