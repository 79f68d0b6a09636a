#include "shell/layout/twips.h"

#include <algorithm>

#include "core/half_even.h"

namespace vantrel {

int TwipsPerPixelFromDpi(double dotsPerInch) {
    if (!(dotsPerInch > 0)) {
        return kDesignTwipsPerPixel;
    }
    return std::max(1, RoundHalfEvenTo<int>(kTwipsPerInch / dotsPerInch));
}

double ScaleFromDesign(double twips, int twipsPerPixel) {
    return twips * twipsPerPixel / kDesignTwipsPerPixel;
}

PixelRect TwipsToPixels(const TwipsRect& rect, int twipsPerPixelX, int twipsPerPixelY) {
    return {TwipsToPixels(rect.left, twipsPerPixelX), TwipsToPixels(rect.top, twipsPerPixelY),
            TwipsToPixels(rect.width, twipsPerPixelX), TwipsToPixels(rect.height, twipsPerPixelY)};
}

}  // namespace vantrel
