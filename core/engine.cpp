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
    m_state.registers.MemValue = 0;
    cmd_Operate(OpIndex::ClearAll);
    SetUndoAvailable(false);
    m_ports.tape.ClearAll();
}

void Calculator::TakeSnapshot() {
    m_state.UndoSnapshot = {m_state.registers, m_ports.tape.CurrentLine()};
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
    Registers& r = m_state.registers;
    r.CurValue = Calculate(r.MulDivValue, r.CurValue, r.PendingOp, true);
    r.PendingOp = ArithmeticCode::Operand;
    return r.CurValue;
}

void Calculator::AddOrSubtract(OpIndex op) {
    Registers& r = m_state.registers;
    if (!Pending()) {
        r.CurValue = Rounded(r.CurValue);
        r.TotalValue = Calculate(r.TotalValue, r.CurValue, ArithmeticOf(op), true);
        r.ShownValue = r.TotalValue;
    } else {
        WriteTapeLine(r.CurValue, TapeOpEquals);
        r.ShownValue = CompletePendingOperation();
        r.TotalValue = Calculate(r.TotalValue, r.CurValue, ArithmeticOf(op), true);
    }
    WriteTapeLine(r.CurValue, TapeOpOf(op));
    ShowResult(r.ShownValue);
    if (r.ItemCount == std::numeric_limits<std::int32_t>::max()) {
        throw Failure{};
    }
    ++r.ItemCount;
}

void Calculator::DivideOrMultiply(OpIndex op) {
    Registers& r = m_state.registers;
    WriteTapeLine(r.ShownValue, TapeOpOf(op));
    r.MulDivValue = Calculate(r.MulDivValue, r.ShownValue, r.PendingOp, false);
    r.CurValue = r.MulDivValue;
    r.PendingOp = ArithmeticOf(op);
    ShowResult(r.CurValue);
}

void Calculator::Percent() {
    Registers& r = m_state.registers;
    if (!Pending()) {
        WriteTapeLine(r.TotalValue, TapeOpPercent);
        WriteTapeLine(r.CurValue, TapeOpEquals);
        r.CurValue =
            Rounded(Calculate(r.TotalValue, r.CurValue, ArithmeticCode::Multiply, false) / 100);
        WriteTapeLine(r.CurValue, TapeOpValue);
    } else {
        r.CurValue = r.CurValue / 100;
    }
    r.ShownValue = r.CurValue;
    ShowResult(r.CurValue);
}

void Calculator::Total() {
    Registers& r = m_state.registers;
    if (Pending()) {
        WriteTapeLine(r.CurValue, TapeOpEquals);
        r.ShownValue = CompletePendingOperation();
        WriteTapeLine(r.CurValue, TapeOpValue);
        ShowResult(r.CurValue);
        return;
    }
    if (r.ItemCount > kMaxTotalItems) {
        throw Failure{};
    }
    WriteTapeLine(r.TotalValue, TotalCode(r.ItemCount));
    r.CurValue = Rounded(r.TotalValue);
    r.ShownValue = r.CurValue;
    r.TotalValue = 0;
    r.ItemCount = 0;
    ShowResult(r.CurValue);
}

void Calculator::MemoryRestore() {
    Registers& r = m_state.registers;
    r.CurValue = Rounded(r.MemValue);
    r.ShownValue = r.CurValue;
    WriteTapeLine(r.CurValue, TapeOpMemoryRecall);
    ShowResult(r.CurValue);
}

void Calculator::MemoryAddOrSubtract(OpIndex op) {
    Registers& r = m_state.registers;
    const ArithmeticCode code = MemoryArithmeticOf(op);
    double memory = 0;
    if (Pending()) {
        WriteTapeLine(r.CurValue, TapeOpEquals);
        CompletePendingOperation();
        memory = Calculate(r.MemValue, r.CurValue, code, true);
        r.ShownValue = r.CurValue;
    } else {
        r.ShownValue = Rounded(r.ShownValue);
        memory = Calculate(r.MemValue, r.ShownValue, code, true);
        r.CurValue = r.ShownValue;
    }
    ShowMemoryLabel(memory);
    r.MemValue = memory;
    WriteTapeLine(r.CurValue, TapeOpOf(op));
    ShowResult(r.CurValue);
}

void Calculator::ClearAllRegisters() {
    ClearEntry();
    // Clear All keeps the memory and nothing else.
    m_state.registers = Registers{.MemValue = m_state.registers.MemValue};
    m_state.ErrorState = false;
    WriteTapeLine(0, TapeOpClearAll);
    ShowMemoryLabel(m_state.registers.MemValue);
}

void Calculator::MemoryClear() {
    m_state.registers.MemValue = 0;
    WriteTapeLine(0, TapeOpMemoryClear);
    m_ports.display.SetMemoryLabel("0" + m_separators.decimal + " ");
}

void Calculator::ClearEntry() {
    ResetEntry();
    cmd_Input("", false);
}

}  // namespace vantrel
