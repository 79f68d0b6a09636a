#pragma once

#include <array>
#include <charconv>

namespace vantrel {

// The fifteen significant decimal digits that formatting and decimal arithmetic both work on.
inline constexpr int kSignificantDigits = 15;

// A finite double taken to 15 significant digits: d.dddddddddddddd x 10^exponent. Zero has
// all digits '0' and exponent 0.
struct SignificantDigits {
    bool negative = false;
    std::array<char, kSignificantDigits> digits{};
    int exponent = 0;

    bool isZero() const { return digits[0] == '0'; }
};

// The value must be finite. The library rounds the exact binary value straight to 15 digits,
// with no intermediate step that could round twice.
inline SignificantDigits TakeSignificantDigits(double value) {
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

}  // namespace vantrel
