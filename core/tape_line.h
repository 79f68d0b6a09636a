#pragma once

#include <cstdint>
#include <limits>
#include <string_view>

namespace vantrel {

// Line codes: what kind of line it is and which mark stands beside the amount. Codes 0 to 10
// are also the indices of the mark images; TotalCode(n) is a total of n items. The names are
// brought into the namespace so that they read as the tape's own words.
enum class TapeOp : std::int16_t {
    TapeOpValue = -2,
    TapeOpError = -1,
    TapeOpClearAll = 0,
    TapeOpSubtract = 1,
    TapeOpAdd = 2,
    TapeOpDivide = 3,
    TapeOpMultiply = 4,
    TapeOpMemorySubtract = 5,
    TapeOpMemoryAdd = 6,
    TapeOpMemoryRecall = 7,
    TapeOpEquals = 8,
    TapeOpPercent = 9,
    TapeOpMemoryClear = 10,
    TapeOpTotalBase = 100,
};
using enum TapeOp;

// The 16-bit code itself, as the message interface passes it and the mark images count.
constexpr std::int16_t LineCode(TapeOp op) {
    return static_cast<std::int16_t>(op);
}

// The most items one total line can count: its code must stay a 16-bit value.
inline constexpr std::int32_t kMaxTotalItems =
    std::numeric_limits<std::int16_t>::max() - LineCode(TapeOpTotalBase);

// The code of a total of `items` items, 0 <= items <= kMaxTotalItems.
constexpr TapeOp TotalCode(std::int32_t items) {
    return static_cast<TapeOp>(LineCode(TapeOpTotalBase) + items);
}

// Every code outside -2..10 is drawn as a total; its count is the code less TapeOpTotalBase.
constexpr bool IsTotalCode(int code) {
    return code < LineCode(TapeOpValue) || code > LineCode(TapeOpMemoryClear);
}
constexpr bool IsTotalLine(TapeOp op) {
    return IsTotalCode(LineCode(op));
}
constexpr int TotalItemCount(TapeOp op) {
    return LineCode(op) - LineCode(TapeOpTotalBase);
}

// The text of every error line.
inline constexpr std::string_view kErrorLineText = "-Error-";

// One line as stored: the amount exactly as it is to be shown, its code and its ink flag
// (false draws it in red).
struct TapeLine {
    std::string_view NumStr;
    TapeOp Op = TapeOpValue;
    bool CLR = true;
};

}  // namespace vantrel
