#include "tape/tape_scroll.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "core/half_even.h"

namespace vantrel {

std::optional<int> RowsBelowView(std::int64_t nextY, double viewHeight, std::int32_t lineHeight) {
    const double h = lineHeight;
    const auto below =
        RoundHalfEvenTo<std::int64_t>(static_cast<double>(nextY) - viewHeight + h / 2);
    if (below < 0) {
        return std::nullopt;
    }
    const auto rows = RoundHalfEvenTo<std::int64_t>(static_cast<double>(below) / h);
    if (rows > std::numeric_limits<int>::max()) {
        throw std::overflow_error("the tape has more rows than its scroll bar can count");
    }
    return static_cast<int>(rows);
}

std::int64_t PageRows(double viewHeight, std::int32_t lineHeight) {
    return RoundHalfEvenTo<std::int64_t>(viewHeight / lineHeight - 1);
}

std::int64_t MovedPosition(std::int64_t position, std::int64_t rows, std::int64_t maximum) {
    return std::clamp<std::int64_t>(position + rows, 0, maximum);
}

int TroughStep(double viewHeight, std::int32_t lineHeight) {
    return std::max(1, static_cast<int>(viewHeight / lineHeight) - 1);
}

}  // namespace vantrel
