#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/powers_of_ten.h"

namespace vantrel {

// The fifteen significant decimal digits that formatting and decimal arithmetic both work on.
inline constexpr int kSignificantDigits = 15;

// A finite double taken to 15 significant digits: d.dddddddddddddd x 10^exponent. Zero has
// all digits '0' and exponent 0.
struct SignificantDigits {
    bool negative = false;
    std::array<char, kSignificantDigits> digits{};
    int exponent = 0;

    bool IsZero() const { return digits[0] == '0'; }
};

// The digits as the library's conversion writes them, rounded once from the exact binary value.
inline SignificantDigits ConvertSignificantDigits(double value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
    SignificantDigits result;
    const char* cursor = text.data();
    if (*cursor == '-') {
        result.negative = true;
        ++cursor;
    }
    result.digits[0] = *cursor;
    cursor += 2;
    for (int i = 1; i < kSignificantDigits; ++i) {
        result.digits[i] = *cursor++;
    }
    ++cursor;
    const bool negativeExponent = *cursor == '-';
    ++cursor;
    int exponent = 0;
    for (; cursor != end; ++cursor) {
        exponent = exponent * 10 + (*cursor - '0');
    }
    result.exponent = negativeExponent ? -exponent : exponent;
    return result;
}

// A value that is exactly some n / 10^places, n below 10^15 and places up to four.
struct ShortDecimal {
    std::int64_t scaled = 0;
    int places = 0;
};

// Amounts with up to four decimals, the common case, are found without the general conversion:
// when n / 10^places with n below 10^15 converts back to exactly this double, the double lies
// within half a binary unit of it, far closer than half a unit of the fifteenth digit, so n is
// the 15-digit image.
inline std::optional<ShortDecimal> FindShortDecimal(double value) {
    constexpr int kMaxPlaces = 4;
    constexpr double kDigitLimit = 1e15;
    for (int places = 0; places <= kMaxPlaces; ++places) {
        const double power = kExactDoublePowersOfTen[static_cast<std::size_t>(places)];
        const double scaled = value * power;
        if (!(std::fabs(scaled) < kDigitLimit)) {
            return std::nullopt;
        }
        // Any nearby candidate will do: the check below decides.
        const auto candidate = static_cast<std::int64_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
        if (static_cast<double>(candidate) / power == value) {
            return ShortDecimal{candidate, places};
        }
    }
    return std::nullopt;
}

inline SignificantDigits ShortDecimalDigits(double value, const ShortDecimal& decimal) {
    std::array<char, kSignificantDigits + 1> text{};
    const auto magnitude =
        static_cast<std::uint64_t>(decimal.scaled < 0 ? -decimal.scaled : decimal.scaled);
    const int length = static_cast<int>(
        std::to_chars(text.data(), text.data() + text.size(), magnitude).ptr - text.data());
    SignificantDigits result;
    result.negative = std::signbit(value);
    result.digits.fill('0');
    std::copy(text.data(), text.data() + length, result.digits.begin());
    result.exponent = magnitude == 0 ? 0 : length - 1 - decimal.places;
    return result;
}

// The value must be finite.
inline SignificantDigits TakeSignificantDigits(double value) {
    if (const std::optional<ShortDecimal> decimal = FindShortDecimal(value)) {
        return ShortDecimalDigits(value, *decimal);
    }
    return ConvertSignificantDigits(value);
}

}  // namespace vantrel
