#include "core/twips.h"

#include "core/half_even.h"

namespace vantrel {

int TwipsToPixels(double twips, int twipsPerPixel) {
    return RoundHalfEvenTo<int>(twips / twipsPerPixel);
}

}  // namespace vantrel
