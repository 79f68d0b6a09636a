#pragma once

#include <cstdint>
#include <string>

#include "core/vocabulary.h"

namespace vantrel {

// The registers that Undo copies back; the display text, the entry and the error flag are
// deliberately not part of them.
struct Registers {
    double CurValue = 0;
    double ShownValue = 0;
    double TotalValue = 0;
    double MulDivValue = 0;
    double MemValue = 0;
    std::int32_t ItemCount = 0;
    ArithmeticCode PendingOp = ArithmeticCode::Operand;

    bool operator==(const Registers&) const = default;
};

// Each register with the short name that reports give it, in the order they list them.
template <typename Visit>
void ForEachRegister(const Registers& r, Visit visit) {
    visit("cur", r.CurValue);
    visit("shown", r.ShownValue);
    visit("total", r.TotalValue);
    visit("muldiv", r.MulDivValue);
    visit("memvalue", r.MemValue);
    visit("items", r.ItemCount);
    visit("pending", r.PendingOp);
}

// What Undo goes back to: the registers and how many lines the tape had.
struct Snapshot {
    Registers registers;
    std::int32_t TapeLineCount = 0;
};

// The state of the one calculator. "0" in EntryText means nothing has been keyed.
struct CalcState {
    std::string EntryText = "0";
    // EntryText came whole from another program: it holds the amount at face value, also in
    // Auto Add 2 Decimal Places mode, until a key is typed onto it or the entry is reset.
    bool EntryPushed = false;
    Registers registers;
    bool ErrorState = false;
    std::string DisplayText;
    Snapshot UndoSnapshot;
};

}  // namespace vantrel
