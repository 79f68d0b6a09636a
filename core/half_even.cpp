#include "core/half_even.h"

#include <cmath>

namespace vantrel {

// Below 2^52 a double less its floor is exact, and so are the comparisons, the parity test
// and the step up by one.
double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) {
        return below + 1.0;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

}  // namespace vantrel
