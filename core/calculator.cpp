#include "core/calculator.h"

#include <utility>

#include "core/format_value.h"
#include "core/rounding.h"

namespace vantrel {

Calculator::Calculator(CalculatorPorts ports, LocaleSeparators separators)
    : m_ports(ports),
      m_separators(std::move(separators)),
      m_indicators(ports.display, ports.timer) {}

void Calculator::ShowEmptyMemory() {
    m_ports.display.SetMemoryLabel("0" + m_separators.decimal + " ");
}

void Calculator::StartEntry() {
    ResetEntry();
    ShowCounterLabel();
    SetUndoAvailable(false);
}

int Calculator::SelectedRoundOption() const {
    return m_roundOption >= 0 && m_roundOption < kRoundModeCount ? m_roundOption : kIntegerMode;
}

void Calculator::RoundOpt_Click(int index) {
    if (index < 0 || index >= kRoundModeCount) {
        return;
    }
    m_roundOption = index;
    m_ports.display.ShowRoundOption(index);
    ShowEntry(m_state.EntryText, m_state.EntryPushed);
}

void Calculator::Timer1_Timer() {
    m_indicators.EndBlink(m_state.DisplayText);
}

bool Calculator::TakePastedValue(double value) {
    try {
        ShowResult(value);
    } catch (const Failure&) {
        return false;
    }
    m_state.registers.CurValue = value;
    m_state.registers.ShownValue = value;
    ResetEntry();
    return true;
}

const std::string& Calculator::DisplayedText() const {
    return m_indicators.Blinking() ? m_state.DisplayText : m_indicators.Caption();
}

std::string Calculator::CopyText() const {
    const std::string& text = DisplayedText();
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Calculator::Format(double value, View view) const {
    auto text = FormatValue(value, view, SelectedRoundOption(), m_separators);
    if (!text) {
        throw Failure{};
    }
    return std::move(*text);
}

void Calculator::ShowResult(double Value) {
    m_state.DisplayText = Format(Value, View::Display) + " ";
    m_indicators.BeginBlink(Value < 0 ? Ink::Red : Ink::Black);
}

void Calculator::ShowMemoryLabel(double value) {
    m_ports.display.SetMemoryLabel(Format(value, View::Memory) + " ");
}

void Calculator::ShowCounterLabel() {
    m_ports.display.SetCounterLabel(std::to_string(m_state.registers.ItemCount) + " ");
}

}  // namespace vantrel
