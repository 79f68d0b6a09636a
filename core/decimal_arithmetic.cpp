#include "core/decimal_arithmetic.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/powers_of_ten.h"
#include "core/significant_digits.h"

namespace vantrel {

namespace {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

// The 96-bit decimal's range and finest place.
constexpr UInt128 kMaxMagnitude = (static_cast<UInt128>(1) << 96) - 1;
constexpr int kMinExponent = -28;
constexpr int kMaxMagnitudeDigits = 29;

// A mantissa below 10^15 times 10^23 still fits the 128-bit sum; wider gaps take the exact
// digit-string route.
constexpr int kMaxAlignShift = 23;

// Doubles hold every integer up to 2^53 and every power of ten up to 10^22 exactly, so one
// multiplication or division of the two rounds correctly.
constexpr std::uint64_t kExactIntegerLimit = std::uint64_t{1} << 53;

constexpr std::int64_t kMantissaBound = 1'000'000'000'000'000;  // 10^15

// sign * mantissa * 10^exponent, the mantissa below 10^15.
struct Decimal {
    bool negative = false;
    std::int64_t mantissa = 0;
    int exponent = 0;
};

// The mantissa divided by 10^digits, the remainder rounded off halves to even, as the 96-bit
// decimal drops places beyond its 28th. The same tie rule as RoundHalfEven, but on the exact
// integer: a double quotient of a 15-digit mantissa could already be rounded before the tie
// is seen.
std::int64_t DropDigitsHalfEven(std::int64_t mantissa, int digits) {
    if (digits >= kSignificantDigits + 1) {
        return 0;
    }
    const auto divisor = static_cast<std::int64_t>(kIntegerPowersOfTen[digits]);
    const std::int64_t quotient = mantissa / divisor;
    const std::int64_t twiceRemainder = (mantissa % divisor) * 2;
    if (twiceRemainder > divisor || (twiceRemainder == divisor && quotient % 2 != 0)) {
        return quotient + 1;
    }
    return quotient;
}

UInt128 PowerOfTen(int exponent) {
    constexpr int kLargestInTable = static_cast<int>(kIntegerPowersOfTen.size()) - 1;
    if (exponent <= kLargestInTable) {
        return kIntegerPowersOfTen[exponent];
    }
    return static_cast<UInt128>(kIntegerPowersOfTen[kLargestInTable]) *
           kIntegerPowersOfTen[exponent - kLargestInTable];
}

// The digits read without their trailing zeros, which keeps exponents as close as they go.
Decimal TrimmedDecimal(const SignificantDigits& digits) {
    int length = kSignificantDigits;
    while (length > 1 && digits.digits[length - 1] == '0') {
        --length;
    }
    Decimal result{digits.negative, 0, digits.exponent - length + 1};
    for (int i = 0; i < length; ++i) {
        result.mantissa = result.mantissa * 10 + (digits.digits[i] - '0');
    }
    return result;
}

std::optional<Decimal> ToDecimal(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    if (const std::optional<ShortDecimal> decimal = FindShortDecimal(value)) {
        return Decimal{decimal->scaled < 0,
                       decimal->scaled < 0 ? -decimal->scaled : decimal->scaled, -decimal->places};
    }
    const SignificantDigits digits = ConvertSignificantDigits(value);
    if (digits.IsZero()) {
        return Decimal{};
    }
    // 10^29 already exceeds 2^96.
    if (digits.exponent >= kMaxMagnitudeDigits) {
        return std::nullopt;
    }
    Decimal result = TrimmedDecimal(digits);
    if (result.exponent > 0 &&
        static_cast<UInt128>(result.mantissa) * PowerOfTen(result.exponent) > kMaxMagnitude) {
        return std::nullopt;
    }
    if (result.exponent < kMinExponent) {
        result.mantissa = DropDigitsHalfEven(result.mantissa, kMinExponent - result.exponent);
        result.exponent = kMinExponent;
        if (result.mantissa == 0) {
            return Decimal{};
        }
    }
    return result;
}

bool ExceedsRange(UInt128 magnitude, int exponent) {
    if (exponent >= 0) {
        // Both operands lie within 2^96, so the scaled sum stays far below 2^128.
        return magnitude * PowerOfTen(exponent) > kMaxMagnitude;
    }
    if (magnitude <= kMaxMagnitude) {
        return false;
    }
    const UInt128 divisor = PowerOfTen(-exponent);
    const UInt128 whole = magnitude / divisor;
    return whole > kMaxMagnitude || (whole == kMaxMagnitude && magnitude % divisor != 0);
}

char* WriteDigits(UInt128 value, char* out, char* end) {
    if (value <= UINT64_MAX) {
        return std::to_chars(out, end, static_cast<std::uint64_t>(value)).ptr;
    }
    constexpr std::uint64_t kChunk = 10'000'000'000'000'000'000u;  // 10^19
    char* cursor = WriteDigits(value / kChunk, out, end);
    auto low = static_cast<std::uint64_t>(value % kChunk);
    for (int i = 18; i >= 0; --i) {
        cursor[i] = static_cast<char>('0' + low % 10);
        low /= 10;
    }
    return cursor + 19;
}

char* WritePadded(std::uint64_t value, int width, char* out) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + width;
}

// The library's text-to-double conversion rounds correctly however many digits it gets.
double ParseExact(const char* begin, char* cursor, char* end, int exponent) {
    *cursor++ = 'e';
    cursor = std::to_chars(cursor, end, exponent).ptr;
    double result = 0.0;
    std::from_chars(begin, cursor, result);
    return result;
}

double ToNearestDouble(bool negative, UInt128 magnitude, int exponent) {
    double result = 0.0;
    if (magnitude <= kExactIntegerLimit && exponent >= -kLargestExactDoublePowerOfTen &&
        exponent <= kLargestExactDoublePowerOfTen) {
        const auto exact = static_cast<double>(static_cast<std::uint64_t>(magnitude));
        result = exponent >= 0 ? exact * kExactDoublePowersOfTen[exponent]
                               : exact / kExactDoublePowersOfTen[-exponent];
    } else {
        std::array<char, 64> text{};
        char* const end = text.data() + text.size();
        result = ParseExact(text.data(), WriteDigits(magnitude, text.data(), end), end, exponent);
    }
    return negative && magnitude != 0 ? -result : result;
}

// The smaller operand lies wholly below the last digit of the larger one, so the exact sum's
// digits are the larger mantissa followed by the smaller one, or, when the signs differ, the
// larger mantissa less one followed by the complement of the smaller one.
double FarApartSum(const Decimal& large, const Decimal& small) {
    const int gap = large.exponent - small.exponent;
    std::array<char, 96> text{};
    char* const end = text.data() + text.size();
    char* cursor = text.data();
    if (large.negative == small.negative) {
        cursor = std::to_chars(cursor, end, large.mantissa).ptr;
        cursor = WritePadded(static_cast<std::uint64_t>(small.mantissa), gap, cursor);
    } else {
        cursor = std::to_chars(cursor, end, large.mantissa - 1).ptr;
        for (int i = 0; i < gap - kSignificantDigits; ++i) {
            *cursor++ = '9';
        }
        cursor = WritePadded(static_cast<std::uint64_t>(kMantissaBound - small.mantissa),
                             kSignificantDigits, cursor);
    }
    const double magnitude = ParseExact(text.data(), cursor, end, small.exponent);
    return large.negative ? -magnitude : magnitude;
}

std::optional<double> AddExact(const Decimal& a, const Decimal& b) {
    if (b.mantissa == 0 || a.mantissa == 0) {
        const Decimal& only = a.mantissa == 0 ? b : a;
        return ToNearestDouble(only.negative, static_cast<UInt128>(only.mantissa), only.exponent);
    }
    const Decimal& large = a.exponent >= b.exponent ? a : b;
    const Decimal& small = a.exponent >= b.exponent ? b : a;
    const int gap = large.exponent - small.exponent;
    if (gap > kMaxAlignShift) {
        // 2^96 - 1 ends in ...3543950335, so a multiple of 10^exponent within range stays
        // further below it than anything lying wholly beneath that last digit can add.
        return FarApartSum(large, small);
    }
    const auto scaledLarge = static_cast<Int128>(large.mantissa * PowerOfTen(gap));
    const Int128 sum = (large.negative ? -scaledLarge : scaledLarge) +
                       (small.negative ? -small.mantissa : small.mantissa);
    const bool negative = sum < 0;
    const UInt128 magnitude = negative ? -static_cast<UInt128>(sum) : static_cast<UInt128>(sum);
    if (ExceedsRange(magnitude, small.exponent)) {
        return std::nullopt;
    }
    return ToNearestDouble(negative, magnitude, small.exponent);
}

}  // namespace

std::optional<double> DecimalAdd(double acc, double operand) {
    const std::optional<Decimal> left = ToDecimal(acc);
    const std::optional<Decimal> right = ToDecimal(operand);
    if (!left || !right) {
        return std::nullopt;
    }
    return AddExact(*left, *right);
}

std::optional<double> DecimalSubtract(double acc, double operand) {
    const std::optional<Decimal> left = ToDecimal(acc);
    std::optional<Decimal> right = ToDecimal(operand);
    if (!left || !right) {
        return std::nullopt;
    }
    right->negative = !right->negative;
    return AddExact(*left, *right);
}

}  // namespace vantrel
