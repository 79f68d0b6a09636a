#pragma once

#include "core/twips.h"

namespace vantrel {

struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    bool operator==(const TwipsRect&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect&) const = default;
};

// Twips per pixel of a screen with the given dots per inch, halves going to the even neighbour
// (7.5 becomes 8); never below 1.
int TwipsPerPixelFromDpi(double dotsPerInch);

// A design measure carried over to a screen of `twipsPerPixel`, so that it keeps its designed
// size in pixels.
double ScaleFromDesign(double twips, int twipsPerPixel);

PixelRect TwipsToPixels(const TwipsRect& rect, int twipsPerPixelX, int twipsPerPixelY);

}  // namespace vantrel
