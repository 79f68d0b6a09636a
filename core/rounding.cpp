#include "core/rounding.h"

#include <cmath>

namespace vantrel {

namespace {

constexpr int kMaxModePlaces = 4;

// Powers of ten stay exact doubles up to 10^22.
constexpr int kMaxPlaces = 22;

constexpr double PowerOfTen(int exponent) {
    double power = 1.0;
    for (int i = 0; i < exponent; ++i) {
        power *= 10.0;
    }
    return power;
}

// From 2^52 on, every double is a whole number: nothing is left to round.
constexpr double kWholeFrom = 4503599627370496.0;

// Halves go to the even neighbour; done by hand so the result does not depend on the
// floating-point environment's rounding direction.
double RoundHalfEven(double scaled) {
    const double below = std::floor(scaled);
    const double fraction = scaled - below;
    if (fraction > 0.5) {
        return below + 1.0;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

}  // namespace

int FixedDecimals(int mode) {
    if (mode >= kIntegerMode && mode <= kMaxModePlaces) {
        return mode;
    }
    return mode == kAutoAdd2Mode ? 2 : 0;
}

double RoundToPlaces(double value, int places) {
    if (!std::isfinite(value) || places < 0 || places > kMaxPlaces) {
        return value;
    }
    const double factor = PowerOfTen(places);
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
