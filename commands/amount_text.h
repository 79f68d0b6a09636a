#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/locale_separators.h"

namespace vantrel {

// Reads pasted text as a number: blanks around it, an optional sign, digits grouped by threes
// with the locale's grouping character, the locale's decimal separator and an exponent.
// Anything else (infinity, NaN, hexadecimal, trailing letters, an out-of-range value) is
// nullopt.
std::optional<double> ParseAmountText(std::string_view text, const LocaleSeparators& separators);

// The text of an amount pushed by another program: a signed 64-bit integer scaled by 10,000
// whose low half travels in wParam and high half in lParam. Plain digits, a leading "-", and
// the decimal separator with one to four digits only when there is a fraction.
std::string AmountMessageText(std::uint32_t wParam, std::uint32_t lParam,
                              std::string_view decimalSeparator);

}  // namespace vantrel
