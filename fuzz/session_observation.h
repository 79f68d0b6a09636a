#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// Values are compared bit for bit, so that a NaN held before must still be the same NaN.
inline std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

inline std::uint64_t Bits(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

inline std::uint64_t Bits(ArithmeticCode code) {
    return static_cast<std::uint16_t>(ValueOf(code));
}

inline bool Same(double a, double b) {
    return Bits(a) == Bits(b);
}

inline std::vector<std::uint64_t> RegisterBits(const Registers& r) {
    std::vector<std::uint64_t> bits;
    ForEachRegister(r, [&bits](std::string_view, auto value) { bits.push_back(Bits(value)); });
    return bits;
}

inline bool SameRegisters(const Registers& a, const Registers& b) {
    return RegisterBits(a) == RegisterBits(b);
}

inline bool SameState(const CalcState& a, const CalcState& b) {
    return a.EntryText == b.EntryText && a.EntryPushed == b.EntryPushed &&
           SameRegisters(a.registers, b.registers) && a.ErrorState == b.ErrorState &&
           a.DisplayText == b.DisplayText &&
           SameRegisters(a.UndoSnapshot.registers, b.UndoSnapshot.registers) &&
           a.UndoSnapshot.TapeLineCount == b.UndoSnapshot.TapeLineCount;
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
