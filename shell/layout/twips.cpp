#include "shell/layout/twips.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// std::nearbyint rounds halves to even under the default rounding mode.
int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

int TwipsPerPixelFromDpi(double dotsPerInch) {
    if (!(dotsPerInch > 0)) {
        return kDesignTwipsPerPixel;
    }
    return std::max(1, RoundHalfEven(kTwipsPerInch / dotsPerInch));
}

double ScaleFromDesign(double twips, int twipsPerPixel) {
    return twips * twipsPerPixel / kDesignTwipsPerPixel;
}

int TwipsToPixels(double twips, int twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

PixelRect TwipsToPixels(const TwipsRect& rect, int twipsPerPixelX, int twipsPerPixelY) {
    return {TwipsToPixels(rect.left, twipsPerPixelX), TwipsToPixels(rect.top, twipsPerPixelY),
            TwipsToPixels(rect.width, twipsPerPixelX), TwipsToPixels(rect.height, twipsPerPixelY)};
}

}  // namespace vantrel
