#include "commands/keyboard_map.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <optional>
#include <span>

#include "commands/virtual_keys.h"

namespace vantrel {
namespace {

using enum CommandIndex;

enum class KeyAction {
    Command,          // press the button of `command` (the next ones for the next keys), click it
    CopyOrTapeImage,  // with Alt: an image of the whole tape, no button; without: `command`
    UndoIfAvailable,  // `command`, only while there is something to undo
    RoundOption,      // select option `mode` (the next ones for the next keys), no button
    PageUp,
    PageDown,
    Exit,
};

// A row covers the key codes first..last.
struct KeyRow {
    int first;
    int last;
    KeyAction action;
    CommandIndex command = Digit0;
    int mode = 0;
};

constexpr KeyRow Press(int key, CommandIndex command) {
    return {key, key, KeyAction::Command, command};
}
constexpr KeyRow PressDigits(int digitZero) {
    return {digitZero, digitZero + 9, KeyAction::Command, Digit0};
}
constexpr KeyRow Do(int key, KeyAction action, CommandIndex command = Digit0) {
    return {key, key, action, command};
}
constexpr KeyRow SelectModes(int first, int last, int firstMode) {
    return {first, last, KeyAction::RoundOption, Digit0, firstMode};
}

constexpr std::array kPlainTable{
    PressDigits(kVkDigit0),
    PressDigits(kVkNumpad0),
    Press(kVkDelete, Clear),
    Press(kVkBack, Backspace),
    Press(kVkSubtract, Subtract),
    Press(kVkOemMinus, Subtract),
    Press(kVkAdd, Add),
    Press(kVkOemPlus, Add),
    Press(kVkDivide, Divide),
    Press(kVkOem2, Divide),
    Press(kVkMultiply, Multiply),
    Press(kVkReturn, Total),
    Press(kVkDecimal, DecimalPoint),
    Press(kVkOemPeriod, DecimalPoint),
    Press(kVkOem3, DecimalPoint),
    Press(kVkSpace, DoubleZero),
    Do(kVkEscape, KeyAction::Exit),
    Do(kVkPrior, KeyAction::PageUp),
    Do(kVkNext, KeyAction::PageDown),
};

constexpr std::array kShiftTable{
    Press(VkDigit(5), Percent),         Press(VkDigit(8), Multiply),
    Press(kVkSubtract, MemorySubtract), Press(kVkOemMinus, MemorySubtract),
    Press(kVkAdd, MemoryAdd),           Press(kVkOemPlus, MemoryAdd),
    Press(kVkReturn, MemoryRestore),    Press(kVkDelete, MemoryClear),
};

constexpr std::array kCtrlTable{
    Do(VkLetter('C'), KeyAction::CopyOrTapeImage, Copy),
    Press(VkLetter('V'), Paste),
    Press(VkLetter('P'), PrintTape),
    Press(VkLetter('N'), New),
    Do(VkLetter('Z'), KeyAction::UndoIfAvailable, Undo),
    Press(kVkSpace, ShowHideTape),
    Press(kVkDelete, ClearAll),
    SelectModes(VkDigit(0), VkDigit(4), kIntegerMode),
    SelectModes(VkNumpad(0), VkNumpad(4), kIntegerMode),
    SelectModes(VkLetter('A'), VkLetter('A'), kAutoAdd2Mode),
    SelectModes(VkLetter('F'), VkLetter('F'), kFloatingPointMode),
};

// The buttons that a key-down presses only under a modifier: the modifier may be let go
// before the key, so every key-up releases them.
constexpr std::array kAlwaysReleased{Percent,      Multiply,  Copy, Paste,
                                     ShowHideTape, PrintTape, New,  Undo};

constexpr std::array<std::span<const KeyRow>, 2> kModifierTables{kShiftTable, kCtrlTable};

std::span<const KeyRow> TableFor(int modifiers) {
    if ((modifiers & kCtrlMask) != 0) {
        return kCtrlTable;
    }
    if ((modifiers & kShiftMask) != 0) {
        return kShiftTable;
    }
    return kPlainTable;
}

const KeyRow* FindRow(std::span<const KeyRow> table, int keyCode) {
    for (const KeyRow& row : table) {
        if (keyCode >= row.first && keyCode <= row.last) {
            return &row;
        }
    }
    return nullptr;
}

bool MovesFocus(int keyCode) {
    return keyCode == kVkTab || (keyCode >= kVkEnd && keyCode <= kVkDown);
}

CommandIndex Following(CommandIndex index, int offset) {
    return static_cast<CommandIndex>(ValueOf(index) + offset);
}

// The button that `keyCode` presses by the row of `table`, if it presses one.
std::optional<CommandIndex> ButtonOf(std::span<const KeyRow> table, int keyCode) {
    const KeyRow* row = FindRow(table, keyCode);
    if (row == nullptr || row->action != KeyAction::Command) {
        return std::nullopt;
    }
    return Following(row->command, keyCode - row->first);
}

bool AlwaysReleased(CommandIndex button) {
    return std::ranges::find(kAlwaysReleased, button) != kAlwaysReleased.end();
}

// The buttons that a key-down of `keyCode` may have pressed: the modifiers may have changed
// before the key-up, so those of every table, less the ones every key-up lets go anyway.
std::bitset<kCommandCount> ButtonsOfKey(int keyCode) {
    std::bitset<kCommandCount> buttons;
    const auto keep = [&buttons](CommandIndex button) {
        buttons.set(static_cast<std::size_t>(ValueOf(button)));
    };
    if (const auto plain = ButtonOf(kPlainTable, keyCode)) {
        keep(*plain);
    }
    for (const std::span<const KeyRow> table : kModifierTables) {
        const auto button = ButtonOf(table, keyCode);
        if (button && !AlwaysReleased(*button)) {
            keep(*button);
        }
    }
    return buttons;
}

}  // namespace

bool IsFocusKey(int keyCode, int modifiers) {
    return MovesFocus(keyCode) && FindRow(TableFor(modifiers), keyCode) == nullptr;
}

void KeyboardMapping::Form_KeyDown(int KeyCode, int modifiers) {
    const auto code = static_cast<std::int16_t>(KeyCode);
    if (code == m_lastKeyCode) {
        return;
    }
    m_lastKeyCode = code;
    Run(code, modifiers);
}

void KeyboardMapping::Run(int keyCode, int modifiers) {
    const KeyRow* row = FindRow(TableFor(modifiers), keyCode);
    if (row == nullptr) {
        return;
    }
    const int offset = keyCode - row->first;
    switch (row->action) {
        case KeyAction::Command:
            PressAndClick(Following(row->command, offset));
            break;
        case KeyAction::CopyOrTapeImage:
            if ((modifiers & kAltMask) != 0) {
                m_window.CopyTapeImage(TapeImageMode::WholeTape);
            } else {
                PressAndClick(row->command);
            }
            break;
        case KeyAction::UndoIfAvailable:
            if (m_commands.UndoAvailable()) {
                PressAndClick(row->command);
            }
            break;
        case KeyAction::RoundOption:
            m_commands.RoundOpt_Click(row->mode + offset);
            break;
        case KeyAction::PageUp:
            m_window.PageUpDown(PageDirection::Up);
            break;
        case KeyAction::PageDown:
            m_window.PageUpDown(PageDirection::Down);
            break;
        case KeyAction::Exit:
            m_window.ExitPrompt();
            break;
    }
}

void KeyboardMapping::PressAndClick(CommandIndex index) {
    m_window.ShowButtonPressed(index, true);
    m_commands.theButton_Click(index);
}

void KeyboardMapping::Form_KeyUp(int KeyCode) {
    m_lastKeyCode = 0;
    const auto code = static_cast<std::int16_t>(KeyCode);
    const std::bitset<kCommandCount> buttons = ButtonsOfKey(code);
    for (int index = 0; index < kCommandCount; ++index) {
        if (buttons.test(static_cast<std::size_t>(index))) {
            m_window.ShowButtonPressed(static_cast<CommandIndex>(index), false);
        }
    }
    for (const CommandIndex button : kAlwaysReleased) {
        m_window.ShowButtonPressed(button, false);
    }
}

}  // namespace vantrel
