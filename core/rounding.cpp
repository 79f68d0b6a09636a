#include "core/rounding.h"

#include <cmath>

#include "core/half_even.h"
#include "core/powers_of_ten.h"

namespace vantrel {

namespace {

constexpr int kMaxModePlaces = 4;

// From 2^52 on, every double is a whole number: nothing is left to round.
constexpr double kWholeFrom = 4503599627370496.0;

}  // namespace

int FixedDecimals(int mode) {
    if (mode >= kIntegerMode && mode <= kMaxModePlaces) {
        return mode;
    }
    return mode == kAutoAdd2Mode ? 2 : 0;
}

double RoundToPlaces(double value, int places) {
    if (!std::isfinite(value) || places < 0 || places > kLargestExactDoublePowerOfTen) {
        return value;
    }
    const double factor = kExactDoublePowersOfTen[static_cast<std::size_t>(places)];
    const double scaled = value * factor;
    if (std::fabs(scaled) >= kWholeFrom) {
        return value;
    }
    return RoundHalfEven(scaled) / factor;
}

double RoundByMode(double value, int mode) {
    if (mode >= kIntegerMode && mode <= kMaxModePlaces) {
        return RoundToPlaces(value, mode);
    }
    if (mode == kAutoAdd2Mode) {
        return RoundToPlaces(value, 2);
    }
    return value;
}

}  // namespace vantrel
