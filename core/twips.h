#pragma once

namespace vantrel {

// Window, tape and printer geometry is kept in twips, 1/1440 inch.
inline constexpr double kTwipsPerInch = 1440;

// The layout was drawn at 96 dots per inch, where one pixel is 15 twips.
inline constexpr int kDesignTwipsPerPixel = 15;

// Whole pixels of a screen of `twipsPerPixel`, halves going to the even neighbour: the rule by
// which the screen's scale itself is found from its dots per inch.
int TwipsToPixels(double twips, int twipsPerPixel);

}  // namespace vantrel
