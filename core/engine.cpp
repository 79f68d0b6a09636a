#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>

#include "core/calculator.h"
#include "core/decimal_arithmetic.h"
#include "core/rounding.h"
#include "core/tape_line.h"
#include "core/vocabulary.h"

namespace vantrel {

void Calculator::cmd_Operate(OpIndex op) {
    if (op != OpIndex::Clear) {
        TakeSnapshot();
    }
    if (!Completes([&] { RunOperation(op); })) {
        return EnterErrorState();
    }
    ResetEntry();
    ShowCounterLabel();
}

// Any other value runs nothing, and the closing steps follow.
void Calculator::RunOperation(OpIndex op) {
    switch (op) {
        case OpIndex::Subtract:
        case OpIndex::Add:
            return AddOrSubtract(op);
        case OpIndex::Divide:
        case OpIndex::Multiply:
            return DivideOrMultiply(op);
        case OpIndex::Percent:
            return Percent();
        case OpIndex::Total:
            return Total();
        case OpIndex::MemoryRestore:
            return MemoryRestore();
        case OpIndex::MemorySubtract:
        case OpIndex::MemoryAdd:
            return MemoryAddOrSubtract(op);
        case OpIndex::ClearAll:
            return ClearAllRegisters();
        case OpIndex::MemoryClear:
            return MemoryClear();
        case OpIndex::Clear:
            return ClearEntry();
    }
}

bool Calculator::Completes(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const Failure&) {
    } catch (const std::overflow_error&) {
    } catch (const std::bad_alloc&) {
    }
    return false;
}

void Calculator::New() {
    m_state.MemValue = 0;
    cmd_Operate(OpIndex::ClearAll);
    SetUndoAvailable(false);
    m_ports.tape.ClearAll();
}

void Calculator::TakeSnapshot() {
    ForEachSnapshotRegister(m_state, m_state.UndoSnapshot,
                            [](const auto& value, auto& kept) { kept = value; });
    m_state.UndoSnapshot.TapeLineCount = m_ports.tape.CurrentLine();
    SetUndoAvailable(true);
}

void Calculator::EnterErrorState() {
    m_state.ErrorState = true;
    m_indicators.ShowErrorText();
    // A tape too full for the error line still leaves the calculator in its error state.
    Completes([this] { m_ports.tape.AddDataLine(kErrorLineText, TapeOpError, false); });
}

double Calculator::Calculate(double Acc, double Operand, ArithmeticCode Code, bool DoRound) const {
    std::optional<double> result;
    switch (Code) {
        case ArithmeticCode::Subtract:
            result = DecimalSubtract(Acc, Operand);
            break;
        case ArithmeticCode::Add:
            result = DecimalAdd(Acc, Operand);
            break;
        case ArithmeticCode::Divide:
            result = Acc / Operand;
            break;
        case ArithmeticCode::Multiply:
            result = Acc * Operand;
            break;
        case ArithmeticCode::Operand:
        default:
            result = Operand;
            break;
    }
    if (!result || !std::isfinite(*result)) {
        throw Failure{};
    }
    return DoRound ? RoundBySelectedMode(*result) : *result;
}

double Calculator::RoundBySelectedMode(double value) const {
    return RoundByMode(value, SelectedRoundOption());
}

// Code 0 of Calculate: a single value rounded, and a failure if it is not finite.
double Calculator::Rounded(double value) const {
    return Calculate(0, value, ArithmeticCode::Operand, true);
}

void Calculator::WriteTapeLine(double Value, TapeOp Code) {
    m_ports.tape.AddDataLine(Format(Value, View::Tape), Code, Value >= 0);
}

double Calculator::CompletePendingOperation() {
    m_state.CurValue = Calculate(m_state.MulDivValue, m_state.CurValue, m_state.PendingOp, true);
    m_state.PendingOp = ArithmeticCode::Operand;
    return m_state.CurValue;
}

void Calculator::AddOrSubtract(OpIndex op) {
    CalcState& s = m_state;
    if (!Pending()) {
        s.CurValue = Rounded(s.CurValue);
        s.TotalValue = Calculate(s.TotalValue, s.CurValue, ArithmeticOf(op), true);
        s.ShownValue = s.TotalValue;
    } else {
        WriteTapeLine(s.CurValue, TapeOpEquals);
        s.ShownValue = CompletePendingOperation();
        s.TotalValue = Calculate(s.TotalValue, s.CurValue, ArithmeticOf(op), true);
    }
    WriteTapeLine(s.CurValue, TapeOpOf(op));
    ShowResult(s.ShownValue);
    if (s.ItemCount == std::numeric_limits<std::int32_t>::max()) {
        throw Failure{};
    }
    ++s.ItemCount;
}

void Calculator::DivideOrMultiply(OpIndex op) {
    CalcState& s = m_state;
    WriteTapeLine(s.ShownValue, TapeOpOf(op));
    s.MulDivValue = Calculate(s.MulDivValue, s.ShownValue, s.PendingOp, false);
    s.CurValue = s.MulDivValue;
    s.PendingOp = ArithmeticOf(op);
    ShowResult(s.CurValue);
}

void Calculator::Percent() {
    CalcState& s = m_state;
    if (!Pending()) {
        WriteTapeLine(s.TotalValue, TapeOpPercent);
        WriteTapeLine(s.CurValue, TapeOpEquals);
        s.CurValue =
            Rounded(Calculate(s.TotalValue, s.CurValue, ArithmeticCode::Multiply, false) / 100);
        WriteTapeLine(s.CurValue, TapeOpValue);
    } else {
        s.CurValue = s.CurValue / 100;
    }
    s.ShownValue = s.CurValue;
    ShowResult(s.CurValue);
}

void Calculator::Total() {
    CalcState& s = m_state;
    if (Pending()) {
        WriteTapeLine(s.CurValue, TapeOpEquals);
        s.ShownValue = CompletePendingOperation();
        WriteTapeLine(s.CurValue, TapeOpValue);
        ShowResult(s.CurValue);
        return;
    }
    if (s.ItemCount > kMaxTotalItems) {
        throw Failure{};
    }
    WriteTapeLine(s.TotalValue, TotalCode(s.ItemCount));
    s.CurValue = Rounded(s.TotalValue);
    s.ShownValue = s.CurValue;
    s.TotalValue = 0;
    s.ItemCount = 0;
    ShowResult(s.CurValue);
}

void Calculator::MemoryRestore() {
    CalcState& s = m_state;
    s.CurValue = Rounded(s.MemValue);
    s.ShownValue = s.CurValue;
    WriteTapeLine(s.CurValue, TapeOpMemoryRecall);
    ShowResult(s.CurValue);
}

void Calculator::MemoryAddOrSubtract(OpIndex op) {
    CalcState& s = m_state;
    const ArithmeticCode code = MemoryArithmeticOf(op);
    double memory = 0;
    if (Pending()) {
        WriteTapeLine(s.CurValue, TapeOpEquals);
        CompletePendingOperation();
        memory = Calculate(s.MemValue, s.CurValue, code, true);
        s.ShownValue = s.CurValue;
    } else {
        s.ShownValue = Rounded(s.ShownValue);
        memory = Calculate(s.MemValue, s.ShownValue, code, true);
        s.CurValue = s.ShownValue;
    }
    ShowMemoryLabel(memory);
    s.MemValue = memory;
    WriteTapeLine(s.CurValue, TapeOpOf(op));
    ShowResult(s.CurValue);
}

void Calculator::ClearAllRegisters() {
    CalcState& s = m_state;
    ClearEntry();
    s.CurValue = 0;
    s.ShownValue = 0;
    s.TotalValue = 0;
    s.MulDivValue = 0;
    s.PendingOp = ArithmeticCode::Operand;
    s.ItemCount = 0;
    s.ErrorState = false;
    WriteTapeLine(0, TapeOpClearAll);
    ShowMemoryLabel(s.MemValue);
}

void Calculator::MemoryClear() {
    m_state.MemValue = 0;
    WriteTapeLine(0, TapeOpMemoryClear);
    m_ports.display.SetMemoryLabel("0" + m_separators.decimal + " ");
}

void Calculator::ClearEntry() {
    ResetEntry();
    cmd_Input("", false);
}

}  // namespace vantrel
