#pragma once

#include <cstdint>
#include <string_view>

namespace vantrel {

// Line codes: what kind of line it is and which mark stands beside the amount. Codes 0 to 10
// are also the indices of the mark images.
enum TapeOp : std::int16_t {
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

// One line as stored: the amount exactly as it is to be shown, its code and its ink flag
// (false draws it in red).
struct TapeLine {
    std::string_view NumStr;
    std::int16_t Op = TapeOpValue;
    bool CLR = true;
};

// Every code outside -2..10 is drawn as a total; its count is the code less TapeOpTotalBase.
constexpr bool IsTotalLine(std::int16_t op) {
    return op < TapeOpValue || op > TapeOpMemoryClear;
}
constexpr int TotalItemCount(std::int16_t op) {
    return op - TapeOpTotalBase;
}

}  // namespace vantrel
