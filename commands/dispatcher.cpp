#include "commands/dispatcher.h"

#include <exception>
#include <string>

#include "commands/amount_text.h"

namespace vantrel {
namespace {

enum Command : std::int16_t {
    kClearAll = 10,
    kMemoryClear = 11,
    kClear = 12,
    kBackspace = 13,
    kFirstOperation = 14,
    kLastOperation = 22,
    kCopy = 23,
    kPaste = 24,
    kShowHideTape = 25,
    kDoubleZero = 26,
    kDecimalPoint = 27,
    kPrintTape = 28,
    kNew = 29,
    kUndo = 30,
};

// Operation index of the engine for keys 14..22: Subtract, Add, ..., Memory Add.
constexpr std::int16_t kOperationOffset = 13;

bool PassesErrorGate(std::int16_t index) {
    return index == kClearAll || index == kNew || index == kUndo;
}

}  // namespace

void Dispatcher::theButton_Click(std::int16_t Index) {
    if (Index < 0 || Index >= kCommandCount) {
        return;
    }
    if (m_calculator.State().ErrorState && !PassesErrorGate(Index)) {
        m_tones.ErrorBeep();
        return;
    }
    if (Index <= 9) {
        m_calculator.cmd_Input(std::to_string(Index), false);
        return;
    }
    if (Index >= kFirstOperation && Index <= kLastOperation) {
        m_calculator.cmd_Operate(static_cast<std::int16_t>(Index - kOperationOffset));
        return;
    }
    switch (Index) {
        case kClearAll:
        case kMemoryClear:
        case kClear:
            m_calculator.cmd_Operate(Index);
            break;
        case kBackspace:
            Backspace();
            break;
        case kCopy:
            Copy();
            break;
        case kPaste:
            PasteFromClipboard();
            break;
        case kShowHideTape:
            m_window.ToggleTapeShown();
            break;
        case kDoubleZero:
            m_calculator.cmd_Input("00", false);
            break;
        case kDecimalPoint:
            m_calculator.cmd_Input(m_calculator.Separators().decimal, false);
            break;
        case kPrintTape:
            PrintTape();
            break;
        case kNew:
            New();
            break;
        case kUndo:
            // The Undo key is disabled while there is nothing to undo.
            if (m_calculator.UndoAvailable()) {
                m_calculator.UndoLast();
            }
            break;
        default:
            break;
    }
}

void Dispatcher::Copy() {
    m_clipboard.SetText(m_calculator.CopyText());
}

void Dispatcher::PasteFromClipboard() {
    const auto text = m_clipboard.Text();
    const auto value = text ? ParseAmountText(*text, m_calculator.Separators()) : std::nullopt;
    if (!value || !m_calculator.TakePastedValue(*value)) {
        m_tones.ErrorBeep();
    }
}

void Dispatcher::Backspace() {
    m_calculator.DropLastChar();
    const std::string& entry = m_calculator.State().EntryText;
    const std::string& separator = m_calculator.Separators().decimal;
    if (entry.size() >= separator.size() &&
        entry.compare(entry.size() - separator.size(), separator.size(), separator) == 0) {
        m_calculator.DropLastChar();
    }
    m_calculator.cmd_Input("", false);
}

void Dispatcher::New() {
    m_calculator.ClearMemoryRegister();
    m_calculator.cmd_Operate(kClearAll);
    m_calculator.SetUndoAvailable(false);
    m_tape.ClearAll();
}

void Dispatcher::PrintTape() {
    try {
        m_tape.PrintContent();
    } catch (const std::exception&) {
        // A printer failure ends the printout silently.
    }
}

}  // namespace vantrel
