#pragma once

#include "core/vocabulary.h"

namespace vantrel {

// Decimals that the display and tape views always show in the mode.
int FixedDecimals(int mode);

// Scales by 10^places, rounds halves to even on the scaled double, scales back.
double RoundToPlaces(double value, int places);

// Modes 0 to 4 round to that many places, Auto Add 2 to two, Floating Point not at all.
double RoundByMode(double value, int mode);

}  // namespace vantrel
