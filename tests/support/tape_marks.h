#pragma once

#include <string>
#include <string_view>

#include "core/tape_line.h"

namespace vantrel::testing {

// A tape line as a replay reports it, "<code> <ink flag> <NumStr>", from the line's mark.
inline std::string Line(TapeOp op, std::string_view numStr) {
    return std::to_string(LineCode(op)) + " True " + std::string(numStr);
}

// The same for a line drawn in red.
inline std::string RedLine(TapeOp op, std::string_view numStr) {
    return std::to_string(LineCode(op)) + " False " + std::string(numStr);
}

}  // namespace vantrel::testing
