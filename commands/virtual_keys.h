#pragma once

// Windows virtual-key codes, the codes the keyboard tables are written in (the platform's
// names in the comments).
namespace vantrel {

inline constexpr int kVkBack = 8;         // VK_BACK
inline constexpr int kVkTab = 9;          // VK_TAB, also Shift+Tab
inline constexpr int kVkClear = 12;       // VK_CLEAR, the pad's 5 without Num Lock
inline constexpr int kVkReturn = 13;      // VK_RETURN
inline constexpr int kVkEscape = 27;      // VK_ESCAPE
inline constexpr int kVkSpace = 32;       // VK_SPACE
inline constexpr int kVkPrior = 33;       // VK_PRIOR, Page Up
inline constexpr int kVkNext = 34;        // VK_NEXT, Page Down
inline constexpr int kVkEnd = 35;         // VK_END
inline constexpr int kVkHome = 36;        // VK_HOME
inline constexpr int kVkLeft = 37;        // VK_LEFT
inline constexpr int kVkUp = 38;          // VK_UP
inline constexpr int kVkRight = 39;       // VK_RIGHT
inline constexpr int kVkDown = 40;        // VK_DOWN
inline constexpr int kVkInsert = 45;      // VK_INSERT
inline constexpr int kVkDelete = 46;      // VK_DELETE
inline constexpr int kVkDigit0 = 48;      // the main row's 0 to 9 follow on
inline constexpr int kVkLetterA = 65;     // A to Z follow on
inline constexpr int kVkNumpad0 = 96;     // VK_NUMPAD0 to VK_NUMPAD9 follow on
inline constexpr int kVkMultiply = 106;   // VK_MULTIPLY
inline constexpr int kVkAdd = 107;        // VK_ADD
inline constexpr int kVkSubtract = 109;   // VK_SUBTRACT
inline constexpr int kVkDecimal = 110;    // VK_DECIMAL
inline constexpr int kVkDivide = 111;     // VK_DIVIDE
inline constexpr int kVkOemPlus = 187;    // VK_OEM_PLUS, the equals/plus key
inline constexpr int kVkOemMinus = 189;   // VK_OEM_MINUS
inline constexpr int kVkOemPeriod = 190;  // VK_OEM_PERIOD
inline constexpr int kVkOem2 = 191;       // VK_OEM_2, the slash key
inline constexpr int kVkOem3 = 192;       // VK_OEM_3, the grave accent key

constexpr int VkDigit(int digit) {
    return kVkDigit0 + digit;
}
constexpr int VkNumpad(int digit) {
    return kVkNumpad0 + digit;
}
constexpr int VkLetter(char letter) {
    return kVkLetterA + (letter - 'A');
}

}  // namespace vantrel
