#pragma once

#include <cstdint>
#include <string_view>

#include "core/tape_line.h"

namespace vantrel {

// The name of a line code's mark, for text that tells of the tape rather than drawing it.
// Every code the tape draws as a total is named "total".
constexpr std::string_view TapeMarkName(TapeOp op) {
    switch (op) {
        case TapeOpValue:
            return "value";
        case TapeOpError:
            return "error";
        case TapeOpClearAll:
            return "clear-all";
        case TapeOpSubtract:
            return "subtract";
        case TapeOpAdd:
            return "add";
        case TapeOpDivide:
            return "divide";
        case TapeOpMultiply:
            return "multiply";
        case TapeOpMemorySubtract:
            return "memory-subtract";
        case TapeOpMemoryAdd:
            return "memory-add";
        case TapeOpMemoryRecall:
            return "memory-recall";
        case TapeOpEquals:
            return "equals";
        case TapeOpPercent:
            return "percent";
        case TapeOpMemoryClear:
            return "memory-clear";
        default:
            return "total";
    }
}

}  // namespace vantrel
