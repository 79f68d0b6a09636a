#pragma once

#include <optional>
#include <string>

#include "core/locale_separators.h"

namespace vantrel {

enum class View { Display, Tape, Memory };

// "#,##0" followed, when point is set, by "." and fixedDecimals "0" and optionalDecimals "#".
struct NumberPattern {
    bool point = true;
    int fixedDecimals = 0;
    int optionalDecimals = 0;
};

// Takes the value to 15 significant digits, rounds it to the pattern's decimal places (halves
// away from zero) and writes it grouped by threes with the locale's separators.
std::string RenderPattern(double value, const NumberPattern& pattern,
                          const LocaleSeparators& separators);

// The text of a value in one of the three views under the given mode; nullopt when its
// integer digits (of the magnitude rounded to a whole number, halves away from zero; at least
// one) plus the view's fixed decimals exceed the 15-digit budget.
std::optional<std::string> FormatValue(double value, View view, int mode,
                                       const LocaleSeparators& separators);

}  // namespace vantrel
