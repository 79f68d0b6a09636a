#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/calc_state.h"
#include "core/format_value.h"
#include "core/indicators.h"
#include "core/locale_separators.h"
#include "core/ports.h"

namespace vantrel {

struct CalculatorPorts {
    DisplayPort& display;
    BlinkTimer& timer;
    TonePort& tones;
    TapePort& tape;
};

// The one calculator: its registers, number entry, the engine, undo and the indicators. Every
// public member handles its own failures (error state, error beep or mode fallback) and never
// throws.
class Calculator {
  public:
    Calculator(CalculatorPorts ports, LocaleSeparators separators);

    // Start-up, in this order: the memory label shows zero in the locale's format; then the
    // entry becomes "0" with the counter at zero and Undo unavailable. No option is selected
    // yet, so the first RoundOpt_Click shows the entry in its mode.
    void ShowEmptyMemory();
    void StartEntry();

    void cmd_Input(std::string_view InputSTR, bool INSMode);
    void DropLastChar();
    void cmd_Operate(std::int16_t OpIndex);

    void UndoLast();
    void SetUndoAvailable(bool Flag);
    bool UndoAvailable() const { return m_undoAvailable; }

    int SelectedRoundOption() const;
    // A click on option button `index`: selects it and redraws the entry in the new mode.
    void RoundOpt_Click(int index);

    void Timer1_Timer();

    // Paste's last steps: show the value as a result and make it the operand. Returns false,
    // with nothing changed, when the display cannot show the value.
    bool TakePastedValue(double value);
    // New clears the memory register before its Clear All.
    void ClearMemoryRegister() { m_state.MemValue = 0; }

    // The display's text with its trailing blank; during a blink the text about to appear.
    const std::string& DisplayedText() const;
    // The display's text as Copy takes it: DisplayedText trimmed.
    std::string CopyText() const;
    Ink DisplayInk() const { return m_indicators.DisplayInk(); }

    const CalcState& State() const { return m_state; }
    const LocaleSeparators& Separators() const { return m_separators; }

  private:
    // Thrown inside an operation by any failing step; cmd_Operate turns it into the error state.
    struct Failure {};

    std::string Format(double value, View view) const;
    double Calculate(double Acc, double Operand, int Code, bool DoRound) const;
    double RoundBySelectedMode(double value) const;
    void WriteTapeLine(double Value, TapeOp Code);
    void ShowResult(double Value);
    void ShowMemoryLabel(double value);
    void ShowCounterLabel();
    void TakeSnapshot();
    void EnterErrorState();

    void AddOrSubtract(std::int16_t opIndex);
    void DivideOrMultiply(std::int16_t opIndex);
    void Percent();
    void Total();
    void MemoryRestore();
    void MemoryAddOrSubtract(std::int16_t opIndex);
    void ClearAllRegisters();
    void MemoryClear();
    void ClearEntry();
    double CompletePendingOperation();

    bool ShowEntry(const std::string& Text, bool pushed);
    void ResetEntry();
    void RefuseKey();

    bool RunUndoStep(const std::function<void()>& step);

    CalculatorPorts m_ports;
    LocaleSeparators m_separators;
    CalcState m_state;
    Indicators m_indicators;
    int m_roundOption = -1;
    bool m_undoAvailable = false;
};

}  // namespace vantrel
