#pragma once

#include <concepts>

namespace vantrel {

// The one tie rule of the program's own rounding (amounts to a mode's places, tape rows, twips
// to pixels): the nearest whole number, a value exactly halfway going to the even neighbour, so
// 2.5 gives 2, 3.5 gives 4 and -2.5 gives -2. Every step is exact, so the result does not depend
// on the floating-point environment's rounding direction, which std::nearbyint would follow.
// Values from 2^52 on are whole already and come back unchanged, as do infinities and NaN.
double RoundHalfEven(double value);

// The same as a whole number of the given type, for positions and sizes; the rounded value must
// lie within the type's range.
template <std::integral Whole>
Whole RoundHalfEvenTo(double value) {
    return static_cast<Whole>(RoundHalfEven(value));
}

}  // namespace vantrel
