#include "commands/keyboard_map.h"

#include <array>
#include <span>

namespace vantrel {
namespace {

enum class KeyAction {
    Command,          // press button `value + offset`, then click it
    CopyOrTapeImage,  // with Alt: tape image mode 1, no button; without: command `value`
    UndoIfEnabled,    // command `value`, only while the Undo button is enabled
    RoundOption,      // select option `value + offset`, no button
    PageUp,
    PageDown,
    Exit,
};

// A row covers the key codes first..last; `offset` is the code's distance from `first`.
struct KeyRow {
    int first;
    int last;
    KeyAction action;
    int value;
};

constexpr std::array kPlainTable{
    KeyRow{48, 57, KeyAction::Command, 0},    KeyRow{96, 105, KeyAction::Command, 0},
    KeyRow{46, 46, KeyAction::Command, 12},   KeyRow{8, 8, KeyAction::Command, 13},
    KeyRow{109, 109, KeyAction::Command, 14}, KeyRow{189, 189, KeyAction::Command, 14},
    KeyRow{107, 107, KeyAction::Command, 15}, KeyRow{187, 187, KeyAction::Command, 15},
    KeyRow{111, 111, KeyAction::Command, 16}, KeyRow{191, 191, KeyAction::Command, 16},
    KeyRow{106, 106, KeyAction::Command, 17}, KeyRow{13, 13, KeyAction::Command, 19},
    KeyRow{110, 110, KeyAction::Command, 27}, KeyRow{190, 190, KeyAction::Command, 27},
    KeyRow{192, 192, KeyAction::Command, 27}, KeyRow{32, 32, KeyAction::Command, 26},
    KeyRow{27, 27, KeyAction::Exit, 0},       KeyRow{33, 33, KeyAction::PageUp, 0},
    KeyRow{34, 34, KeyAction::PageDown, 0},
};

constexpr std::array kShiftTable{
    KeyRow{53, 53, KeyAction::Command, 18},   KeyRow{56, 56, KeyAction::Command, 17},
    KeyRow{109, 109, KeyAction::Command, 21}, KeyRow{189, 189, KeyAction::Command, 21},
    KeyRow{107, 107, KeyAction::Command, 22}, KeyRow{187, 187, KeyAction::Command, 22},
    KeyRow{13, 13, KeyAction::Command, 20},   KeyRow{46, 46, KeyAction::Command, 11},
};

constexpr std::array kCtrlTable{
    KeyRow{67, 67, KeyAction::CopyOrTapeImage, 23}, KeyRow{86, 86, KeyAction::Command, 24},
    KeyRow{80, 80, KeyAction::Command, 28},         KeyRow{78, 78, KeyAction::Command, 29},
    KeyRow{90, 90, KeyAction::UndoIfEnabled, 30},   KeyRow{32, 32, KeyAction::Command, 25},
    KeyRow{46, 46, KeyAction::Command, 10},         KeyRow{48, 52, KeyAction::RoundOption, 0},
    KeyRow{96, 100, KeyAction::RoundOption, 0},     KeyRow{65, 65, KeyAction::RoundOption, 5},
    KeyRow{70, 70, KeyAction::RoundOption, 6},
};

// Key-up: button `button + offset` for every row that covers the released key, in row order.
struct ReleaseRow {
    int first;
    int last;
    int button;
};

constexpr std::array kReleaseTable{
    ReleaseRow{48, 57, 0},    ReleaseRow{96, 105, 0},   ReleaseRow{46, 46, 10},
    ReleaseRow{46, 46, 11},   ReleaseRow{46, 46, 12},   ReleaseRow{8, 8, 13},
    ReleaseRow{109, 109, 14}, ReleaseRow{109, 109, 21}, ReleaseRow{189, 189, 14},
    ReleaseRow{189, 189, 21}, ReleaseRow{107, 107, 15}, ReleaseRow{107, 107, 22},
    ReleaseRow{187, 187, 15}, ReleaseRow{187, 187, 22}, ReleaseRow{111, 111, 16},
    ReleaseRow{191, 191, 16}, ReleaseRow{106, 106, 17}, ReleaseRow{13, 13, 19},
    ReleaseRow{13, 13, 20},   ReleaseRow{32, 32, 26},   ReleaseRow{110, 110, 27},
    ReleaseRow{190, 190, 27}, ReleaseRow{192, 192, 27},
};

// The buttons that a key-down presses only under a modifier: the modifier may be let go
// before the key, so every key-up releases them.
constexpr std::array kAlwaysReleased{18, 17, 23, 24, 25, 28, 29, 30};

std::span<const KeyRow> TableFor(int Shift) {
    if ((Shift & kCtrlMask) != 0) {
        return kCtrlTable;
    }
    if ((Shift & kShiftMask) != 0) {
        return kShiftTable;
    }
    return kPlainTable;
}

const KeyRow* FindRow(std::span<const KeyRow> table, int KeyCode) {
    for (const KeyRow& row : table) {
        if (KeyCode >= row.first && KeyCode <= row.last) {
            return &row;
        }
    }
    return nullptr;
}

void PressAndClick(KeyboardTarget& target, int index) {
    target.ShowButtonPressed(index, true);
    target.theButton_Click(static_cast<std::int16_t>(index));
}

}  // namespace

void KeyboardMapping::Form_KeyDown(int KeyCode, int Shift) {
    const auto code = static_cast<std::int16_t>(KeyCode);
    if (code == m_lastKeyCode) {
        return;
    }
    m_lastKeyCode = code;
    Run(code, Shift);
}

void KeyboardMapping::Run(int KeyCode, int Shift) {
    const KeyRow* row = FindRow(TableFor(Shift), KeyCode);
    if (row == nullptr) {
        return;
    }
    const int offset = KeyCode - row->first;
    switch (row->action) {
        case KeyAction::Command:
            PressAndClick(m_target, row->value + offset);
            break;
        case KeyAction::CopyOrTapeImage:
            if ((Shift & kAltMask) != 0) {
                m_target.CopyTapeImage(1);
            } else {
                PressAndClick(m_target, row->value);
            }
            break;
        case KeyAction::UndoIfEnabled:
            if (m_target.UndoButtonEnabled()) {
                PressAndClick(m_target, row->value);
            }
            break;
        case KeyAction::RoundOption:
            m_target.SelectRoundOption(row->value + offset);
            break;
        case KeyAction::PageUp:
            m_target.PageUpDown(true);
            break;
        case KeyAction::PageDown:
            m_target.PageUpDown(false);
            break;
        case KeyAction::Exit:
            m_target.ExitPrompt();
            break;
    }
}

void KeyboardMapping::Form_KeyUp(int KeyCode) {
    m_lastKeyCode = 0;
    const auto code = static_cast<std::int16_t>(KeyCode);
    for (const ReleaseRow& row : kReleaseTable) {
        if (code >= row.first && code <= row.last) {
            m_target.ShowButtonPressed(row.button + (code - row.first), false);
        }
    }
    for (const int button : kAlwaysReleased) {
        m_target.ShowButtonPressed(button, false);
    }
}

}  // namespace vantrel
