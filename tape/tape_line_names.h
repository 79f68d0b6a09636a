#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/tape_line.h"

namespace vantrel {

// Where a line's mark stands: before the amount, just after it, or nowhere.
enum class MarkPlace { None, Left, Right };

// What a kind of line is called. `mark` names the mark in text that tells of the tape rather
// than drawing it; `words` are what a screen reader says for it, on the side of the amount
// where the mark stands, so that "100 divided by", "8 equals" reads as the paper does. The
// amount of an error or a clear marker is only a stand-in and is not said.
struct TapeLineName {
    TapeOp op;
    std::string_view mark;
    std::string_view words;
    MarkPlace place;
    bool amountSpoken;
};

inline constexpr std::array<TapeLineName, 13> kTapeLineNames{{
    {TapeOpValue, "value", "", MarkPlace::None, true},
    {TapeOpError, "error", "error", MarkPlace::None, false},
    {TapeOpClearAll, "clear-all", "clear all", MarkPlace::Left, false},
    {TapeOpSubtract, "subtract", "minus", MarkPlace::Left, true},
    {TapeOpAdd, "add", "plus", MarkPlace::Left, true},
    {TapeOpDivide, "divide", "divided by", MarkPlace::Right, true},
    {TapeOpMultiply, "multiply", "times", MarkPlace::Right, true},
    {TapeOpMemorySubtract, "memory-subtract", "memory minus", MarkPlace::Left, true},
    {TapeOpMemoryAdd, "memory-add", "memory plus", MarkPlace::Left, true},
    {TapeOpMemoryRecall, "memory-recall", "memory recall", MarkPlace::Left, true},
    {TapeOpEquals, "equals", "equals", MarkPlace::Right, true},
    {TapeOpPercent, "percent", "percent", MarkPlace::Right, true},
    {TapeOpMemoryClear, "memory-clear", "memory clear", MarkPlace::Left, false},
}};

// Every code the tape draws as a total goes by this name; its count stands left of the amount.
inline constexpr TapeLineName kTotalLineName{TapeOpTotalBase, "total", "total", MarkPlace::Left,
                                             true};

constexpr const TapeLineName& TapeLineNameOf(TapeOp op) {
    if (IsTotalLine(op)) {
        return kTotalLineName;
    }
    return kTapeLineNames[static_cast<std::size_t>(LineCode(op) - LineCode(TapeOpValue))];
}

constexpr std::string_view TapeMarkName(TapeOp op) {
    return TapeLineNameOf(op).mark;
}

namespace tape_line_name_checks {

constexpr bool RowsStandAtTheirCode() {
    for (std::size_t k = 0; k < kTapeLineNames.size(); ++k) {
        if (LineCode(kTapeLineNames[k].op) != LineCode(TapeOpValue) + static_cast<int>(k)) {
            return false;
        }
    }
    return true;
}
static_assert(RowsStandAtTheirCode());

}  // namespace tape_line_name_checks

}  // namespace vantrel
