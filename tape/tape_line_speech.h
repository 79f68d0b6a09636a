#pragma once

#include <string>

#include "core/tape_line.h"

namespace vantrel {

// A tape line in the words a screen reader says: "plus 1,250.75", "100 divided by",
// "total 1,310.00, 3 items", "clear all". The amount is said as shown; a red amount carries its
// minus sign already, so the ink adds nothing.
std::string SpokenTapeLine(const TapeLine& line);

}  // namespace vantrel
