#include <cmath>
#include <exception>
#include <limits>

#include "core/calculator.h"
#include "core/decimal_arithmetic.h"
#include "core/rounding.h"
#include "core/tape_line.h"

namespace vantrel {
namespace {

enum OpIndex : std::int16_t {
    kSubtract = 1,
    kAdd = 2,
    kDivide = 3,
    kMultiply = 4,
    kPercent = 5,
    kTotal = 6,
    kMemoryRestore = 7,
    kMemorySubtract = 8,
    kMemoryAdd = 9,
    kClearAll = 10,
    kMemoryClear = 11,
    kClear = 12,
};

enum ArithmeticCode { kOperandOnly = 0, kMinus = 1, kPlus = 2, kQuotient = 3, kProduct = 4 };

}  // namespace

void Calculator::cmd_Operate(std::int16_t OpIndex) {
    if (OpIndex != kClear) {
        TakeSnapshot();
    }
    try {
        switch (OpIndex) {
            case kSubtract:
            case kAdd:
                AddOrSubtract(OpIndex);
                break;
            case kDivide:
            case kMultiply:
                DivideOrMultiply(OpIndex);
                break;
            case kPercent:
                Percent();
                break;
            case kTotal:
                Total();
                break;
            case kMemoryRestore:
                MemoryRestore();
                break;
            case kMemorySubtract:
            case kMemoryAdd:
                MemoryAddOrSubtract(OpIndex);
                break;
            case kClearAll:
                ClearAllRegisters();
                break;
            case kMemoryClear:
                MemoryClear();
                break;
            case kClear:
                ClearEntry();
                break;
            default:
                break;
        }
    } catch (const Failure&) {
        return EnterErrorState();
    } catch (const std::exception&) {
        return EnterErrorState();
    }
    ResetEntry();
    ShowCounterLabel();
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
    try {
        m_ports.tape.AddDataLine("-Error-", TapeOpError, false);
    } catch (const std::exception&) {
        // A tape too full for the error line still leaves the calculator in its error state.
    }
}

double Calculator::Calculate(double Acc, double Operand, int Code, bool DoRound) const {
    std::optional<double> result;
    switch (Code) {
        case kMinus:
            result = DecimalSubtract(Acc, Operand);
            break;
        case kPlus:
            result = DecimalAdd(Acc, Operand);
            break;
        case kQuotient:
            result = Acc / Operand;
            break;
        case kProduct:
            result = Acc * Operand;
            break;
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

void Calculator::WriteTapeLine(double Value, TapeOp Code) {
    if (Code == TapeOpError) {
        m_ports.tape.AddDataLine("-Error-", TapeOpError, false);
        return;
    }
    m_ports.tape.AddDataLine(Format(Value, View::Tape), Code, Value >= 0);
}

double Calculator::CompletePendingOperation() {
    m_state.CurValue = Calculate(m_state.MulDivValue, m_state.CurValue, m_state.PendingOp, true);
    m_state.PendingOp = 0;
    return m_state.CurValue;
}

void Calculator::AddOrSubtract(std::int16_t opIndex) {
    CalcState& s = m_state;
    if (s.PendingOp == 0) {
        s.CurValue = Calculate(0, s.CurValue, kOperandOnly, true);
        s.TotalValue = Calculate(s.TotalValue, s.CurValue, opIndex, true);
        s.ShownValue = s.TotalValue;
    } else {
        WriteTapeLine(s.CurValue, TapeOpEquals);
        s.ShownValue = CompletePendingOperation();
        s.TotalValue = Calculate(s.TotalValue, s.CurValue, opIndex, true);
    }
    WriteTapeLine(s.CurValue, static_cast<TapeOp>(opIndex));
    ShowResult(s.ShownValue);
    if (s.ItemCount == std::numeric_limits<std::int32_t>::max()) {
        throw Failure{};
    }
    ++s.ItemCount;
}

void Calculator::DivideOrMultiply(std::int16_t opIndex) {
    CalcState& s = m_state;
    WriteTapeLine(s.ShownValue, static_cast<TapeOp>(opIndex));
    s.MulDivValue = Calculate(s.MulDivValue, s.ShownValue, s.PendingOp, false);
    s.CurValue = s.MulDivValue;
    s.PendingOp = opIndex;
    ShowResult(s.CurValue);
}

void Calculator::Percent() {
    CalcState& s = m_state;
    if (s.PendingOp == 0) {
        WriteTapeLine(s.TotalValue, TapeOpPercent);
        WriteTapeLine(s.CurValue, TapeOpEquals);
        s.CurValue = Calculate(0, Calculate(s.TotalValue, s.CurValue, kProduct, false) / 100,
                               kOperandOnly, true);
        WriteTapeLine(s.CurValue, TapeOpValue);
    } else {
        s.CurValue = s.CurValue / 100;
    }
    s.ShownValue = s.CurValue;
    ShowResult(s.CurValue);
}

void Calculator::Total() {
    CalcState& s = m_state;
    if (s.PendingOp != 0) {
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
    s.CurValue = Calculate(0, s.TotalValue, kOperandOnly, true);
    s.ShownValue = s.CurValue;
    s.TotalValue = 0;
    s.ItemCount = 0;
    ShowResult(s.CurValue);
}

void Calculator::MemoryRestore() {
    CalcState& s = m_state;
    s.CurValue = Calculate(0, s.MemValue, kOperandOnly, true);
    s.ShownValue = s.CurValue;
    WriteTapeLine(s.CurValue, TapeOpMemoryRecall);
    ShowResult(s.CurValue);
}

void Calculator::MemoryAddOrSubtract(std::int16_t opIndex) {
    CalcState& s = m_state;
    const int code = opIndex - kMemoryRestore;
    double memory = 0;
    if (s.PendingOp != 0) {
        WriteTapeLine(s.CurValue, TapeOpEquals);
        CompletePendingOperation();
        memory = Calculate(s.MemValue, s.CurValue, code, true);
        s.ShownValue = s.CurValue;
    } else {
        s.ShownValue = Calculate(0, s.ShownValue, kOperandOnly, true);
        memory = Calculate(s.MemValue, s.ShownValue, code, true);
        s.CurValue = s.ShownValue;
    }
    ShowMemoryLabel(memory);
    s.MemValue = memory;
    WriteTapeLine(s.CurValue, static_cast<TapeOp>(opIndex - 3));
    ShowResult(s.CurValue);
}

void Calculator::ClearAllRegisters() {
    CalcState& s = m_state;
    ClearEntry();
    s.CurValue = 0;
    s.ShownValue = 0;
    s.TotalValue = 0;
    s.MulDivValue = 0;
    s.PendingOp = 0;
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
