#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/calc_state.h"
#include "core/utf8.h"
#include "tools/headless/headless_session.h"

namespace vantrel {

// Everything a refused key or paste must leave as it was: every register, the display with
// its ink and blink, the labels and the tape's line count.
struct SessionObservation {
    CalcState state;
    std::string display;
    Ink ink = Ink::Black;
    bool blinking = false;
    std::string memoryLabel;
    std::string counterLabel;
    bool undoAvailable = false;
    std::int32_t tapeLines = 0;
};

inline SessionObservation Observe(const HeadlessSession& session) {
    const RecordingDisplay& display = session.Display();
    return {session.State(),         display.displayText,         display.ink,
            session.Timer().running, display.memoryLabel,         display.counterLabel,
            display.undoAvailable,   session.Tape().CurrentLine()};
}

// Bit for bit, so that a NaN held before must still be the same NaN.
inline bool Same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

inline bool SameSnapshot(const Snapshot& a, const Snapshot& b) {
    return Same(a.CurValue, b.CurValue) && Same(a.ShownValue, b.ShownValue) &&
           Same(a.TotalValue, b.TotalValue) && Same(a.MulDivValue, b.MulDivValue) &&
           a.ItemCount == b.ItemCount && a.PendingOp == b.PendingOp &&
           Same(a.MemValue, b.MemValue) && a.TapeLineCount == b.TapeLineCount;
}

inline bool SameState(const CalcState& a, const CalcState& b) {
    return a.EntryText == b.EntryText && a.EntryPushed == b.EntryPushed &&
           Same(a.CurValue, b.CurValue) && Same(a.ShownValue, b.ShownValue) &&
           Same(a.TotalValue, b.TotalValue) && Same(a.MulDivValue, b.MulDivValue) &&
           a.ItemCount == b.ItemCount && a.PendingOp == b.PendingOp &&
           Same(a.MemValue, b.MemValue) && a.ErrorState == b.ErrorState &&
           a.DisplayText == b.DisplayText && SameSnapshot(a.UndoSnapshot, b.UndoSnapshot);
}

inline bool Unchanged(const SessionObservation& a, const SessionObservation& b) {
    return SameState(a.state, b.state) && a.display == b.display && a.ink == b.ink &&
           a.blinking == b.blinking && a.memoryLabel == b.memoryLabel &&
           a.counterLabel == b.counterLabel && a.undoAvailable == b.undoAvailable &&
           a.tapeLines == b.tapeLines;
}

// 15 characters, or 16 when one of them is the decimal separator.
inline bool WithinEntryLimit(std::string_view entry, std::string_view separator) {
    const bool hasSeparator = entry.find(separator) != std::string_view::npos;
    return Utf8Length(entry) <= (hasSeparator ? 16u : 15u);
}

}  // namespace vantrel
