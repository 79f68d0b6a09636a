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
#include "core/vocabulary.h"

namespace vantrel {

struct CalculatorPorts {
    DisplayPort& display;
    BlinkTimer& timer;
    TonePort& tones;
    TapePort& tape;
};

// The one calculator: its registers, number entry, the engine, undo and the indicators. Every
// public member handles the failures its work can meet (error state, error beep or mode
// fallback) and throws none of them; only a fault of the program gets through.
class Calculator {
  public:
    Calculator(CalculatorPorts ports, LocaleSeparators separators);

    // Start-up, in this order: the memory label shows zero in the locale's format; then the
    // entry becomes "0" with the counter at zero and Undo unavailable. No option is selected
    // yet, so the first RoundOpt_Click shows the entry in its mode.
    void ShowEmptyMemory();
    void StartEntry();

    void cmd_Input(std::string_view InputSTR, bool INSMode);
    // Any 16-bit value: one outside the operations only takes the snapshot and closes.
    void cmd_Operate(OpIndex op);
    // The Backspace key: the last character goes, and a separator left bare at the end too.
    void Backspace();
    // The New key: memory, registers, Undo and tape all cleared.
    void New();

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

    // The display's text with its trailing blank; during a blink the text about to appear.
    const std::string& DisplayedText() const;
    // The display's text as Copy takes it: DisplayedText trimmed.
    std::string CopyText() const;

    const CalcState& State() const { return m_state; }
    const LocaleSeparators& Separators() const { return m_separators; }

  private:
    // Thrown inside an operation by any failing step; cmd_Operate turns it into the error state.
    struct Failure {};

    // Runs `step`; false when it failed the way an operation can fail: a value that cannot be
    // shown or calculated (Failure), a full tape (std::overflow_error) or no memory left. Any
    // other exception is a fault of the program and goes on to the caller.
    static bool Completes(const std::function<void()>& step);

    std::string Format(double value, View view) const;
    double Calculate(double Acc, double Operand, ArithmeticCode Code, bool DoRound) const;
    double RoundBySelectedMode(double value) const;
    double Rounded(double value) const;
    void WriteTapeLine(double Value, TapeOp Code);
    void ShowResult(double Value);
    void ShowMemoryLabel(double value);
    void ShowCounterLabel();
    void TakeSnapshot();
    void EnterErrorState();

    void RunOperation(OpIndex op);
    bool Pending() const { return m_state.registers.PendingOp != ArithmeticCode::Operand; }
    void AddOrSubtract(OpIndex op);
    void DivideOrMultiply(OpIndex op);
    void Percent();
    void Total();
    void MemoryRestore();
    void MemoryAddOrSubtract(OpIndex op);
    void ClearAllRegisters();
    void MemoryClear();
    void ClearEntry();
    double CompletePendingOperation();

    void DropLastChar();
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
