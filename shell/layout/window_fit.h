#pragma once

#include <optional>

#include "shell/layout/twips.h"

// The rules that size the main window around its content. All measures in twips; none of the
// margins here is rescaled to the screen.
namespace vantrel {

inline constexpr double kMarginBelowKeypad = 60;
inline constexpr double kMarginRightOfTape = 60;
inline constexpr double kMarginRightOfDisplay = 75;
inline constexpr double kMarginBelowTape = 45;

// Outer window measures and the client area inside them.
struct WindowMeasures {
    double width = 0;
    double height = 0;
    double clientWidth = 0;
    double clientHeight = 0;
};

// The standard height: the window's frame and menu bar plus a client area that ends 60 twips
// below keypad key 0.
double StdWindowHeight(const WindowMeasures& window, const TwipsRect& key0);

// The tape's height for the client height; nullopt when it would be negative, so the tape
// keeps the height it had.
std::optional<double> FittedTapeHeight(const WindowMeasures& window);

// The only width the window may have: to the tape's right edge, or with the tape hidden to the
// display's right edge.
double FittedWindowWidth(const WindowMeasures& window, bool tapeShown, const TwipsRect& tape,
                         const TwipsRect& display);

// Where a stored window top (or left) puts the window on a screen of `screenExtent`: a
// positive value stays unless it lies beyond the screen, which gives 0; -1 centres the window;
// anything else leaves the window where it is (nullopt).
std::optional<double> PlacedCoordinate(double stored, double screenExtent, double windowExtent);

// A window centred on one axis before the window system gave it its frame, centred again once
// the frame is known: `extent` is the window's extent when it was centred, `frameExtent` what
// the frame adds to it. The result is where the frame begins.
double CentredWithFrame(double screenExtent, double extent, double frameExtent);

}  // namespace vantrel
