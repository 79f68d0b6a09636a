#include "commands/dispatcher.h"

#include <string>

#include "commands/amount_text.h"
#include "core/command_table.h"

namespace vantrel {
namespace {

bool PassesErrorGate(CommandIndex index) {
    return index == CommandIndex::ClearAll || index == CommandIndex::New ||
           index == CommandIndex::Undo;
}

}  // namespace

void Dispatcher::theButton_Click(CommandIndex Index) {
    if (!IsCommandIndex(Index)) {
        return;
    }
    if (m_calculator.State().ErrorState && !PassesErrorGate(Index)) {
        m_tones.ErrorBeep();
        return;
    }
    if (IsDigit(Index)) {
        return m_calculator.cmd_Input(std::to_string(ValueOf(Index)), false);
    }
    if (const auto operation = CommandOf(Index).operation) {
        return m_calculator.cmd_Operate(*operation);
    }
    Run(Index);
}

void Dispatcher::Run(CommandIndex Index) {
    switch (Index) {
        case CommandIndex::Backspace:
            return m_calculator.Backspace();
        case CommandIndex::Copy:
            return Copy();
        case CommandIndex::Paste:
            return PasteFromClipboard();
        case CommandIndex::ShowHideTape:
            return m_window.ToggleTapeShown();
        case CommandIndex::DoubleZero:
            return m_calculator.cmd_Input("00", false);
        case CommandIndex::DecimalPoint:
            return m_calculator.cmd_Input(m_calculator.Separators().decimal, false);
        case CommandIndex::PrintTape:
            return m_tape.PrintContent();
        case CommandIndex::New:
            return m_calculator.New();
        case CommandIndex::Undo:
            // The Undo key is disabled while there is nothing to undo.
            if (m_calculator.UndoAvailable()) {
                m_calculator.UndoLast();
            }
            return;
        default:
            return;
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

}  // namespace vantrel
