#pragma once

#include <string_view>

namespace vantrel {

// The tape's typeface, a fixed-pitch one, and its size in points as the tape is created; the
// window may change the size. The printout uses the same typeface at its own size.
inline constexpr std::string_view kTapeFontFamily = "Courier New";
inline constexpr double kTapeFontPointSize = 11.4;

}  // namespace vantrel
