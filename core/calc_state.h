#pragma once

#include <cstdint>
#include <string>

#include "core/vocabulary.h"

namespace vantrel {

// The registers that Undo copies back; the display text, the entry and the error flag are
// deliberately not part of it.
struct Snapshot {
    double CurValue = 0;
    double ShownValue = 0;
    double TotalValue = 0;
    double MulDivValue = 0;
    std::int32_t ItemCount = 0;
    ArithmeticCode PendingOp = ArithmeticCode::Operand;
    double MemValue = 0;
    std::int32_t TapeLineCount = 0;
};

// The registers of the one calculator. "0" in EntryText means nothing has been keyed.
struct CalcState {
    std::string EntryText = "0";
    // EntryText came whole from another program: it holds the amount at face value, also in
    // Auto Add 2 Decimal Places mode, until a key is typed onto it or the entry is reset.
    bool EntryPushed = false;
    double CurValue = 0;
    double ShownValue = 0;
    double TotalValue = 0;
    double MulDivValue = 0;
    std::int32_t ItemCount = 0;
    ArithmeticCode PendingOp = ArithmeticCode::Operand;
    double MemValue = 0;
    bool ErrorState = false;
    std::string DisplayText;
    Snapshot UndoSnapshot;
};

// The registers that a snapshot keeps, visited in pairs (state's, snapshot's) so that taking
// and restoring a snapshot work from one list.
template <typename State, typename Record, typename Visit>
void ForEachSnapshotRegister(State& state, Record& snapshot, Visit visit) {
    visit(state.CurValue, snapshot.CurValue);
    visit(state.ShownValue, snapshot.ShownValue);
    visit(state.TotalValue, snapshot.TotalValue);
    visit(state.MulDivValue, snapshot.MulDivValue);
    visit(state.ItemCount, snapshot.ItemCount);
    visit(state.PendingOp, snapshot.PendingOp);
    visit(state.MemValue, snapshot.MemValue);
}

}  // namespace vantrel
