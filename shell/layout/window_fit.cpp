#include "shell/layout/window_fit.h"

namespace vantrel {

double StdWindowHeight(const WindowMeasures& window, const TwipsRect& key0) {
    return (window.height - window.clientHeight) + key0.Bottom() + kMarginBelowKeypad;
}

std::optional<double> FittedTapeHeight(const WindowMeasures& window) {
    const double height = window.clientHeight - kMarginBelowTape;
    if (height < 0) {
        return std::nullopt;
    }
    return height;
}

double FittedWindowWidth(const WindowMeasures& window, bool tapeShown, const TwipsRect& tape,
                         const TwipsRect& display) {
    const double frame = window.width - window.clientWidth;
    if (tapeShown) {
        return tape.Right() + frame + kMarginRightOfTape;
    }
    return display.Right() + frame + kMarginRightOfDisplay;
}

namespace {

double Centred(double screenExtent, double windowExtent) {
    return screenExtent / 2 - windowExtent / 2;
}

}  // namespace

std::optional<double> PlacedCoordinate(double stored, double screenExtent, double windowExtent) {
    constexpr double kCentre = -1;
    if (stored > 0) {
        return stored >= screenExtent ? 0 : stored;
    }
    if (stored == kCentre) {
        return Centred(screenExtent, windowExtent);
    }
    return std::nullopt;
}

double CentredWithFrame(double screenExtent, double extent, double frameExtent) {
    return Centred(screenExtent, extent + frameExtent);
}

}  // namespace vantrel
