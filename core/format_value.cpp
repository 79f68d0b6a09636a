#include "core/format_value.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/rounding.h"
#include "core/significant_digits.h"

namespace vantrel {

namespace {

// Far beyond any real pattern; keeps the digit arithmetic clear of integer overflow.
constexpr int kMaxPatternDecimals = 1000;

// The magnitude scaled by 10^places and rounded halves away from zero, held as up to sixteen
// leading digits followed by a run of zeros.
struct ScaledDigits {
    std::array<char, kSignificantDigits + 1> lead{};
    int leadCount = 0;
    int zeroCount = 0;

    int Length() const { return leadCount + zeroCount; }
    char At(int index) const { return index < leadCount ? lead[index] : '0'; }

    bool IsZero() const {
        for (int i = 0; i < leadCount; ++i) {
            if (lead[i] != '0') {
                return false;
            }
        }
        return true;
    }
};

// Adds one to the kept digits; a carry out of the first one becomes a new leading "1".
void IncrementDigits(ScaledDigits& scaled) {
    for (int i = scaled.leadCount - 1; i >= 0; --i) {
        if (scaled.lead[i] != '9') {
            ++scaled.lead[i];
            return;
        }
        scaled.lead[i] = '0';
    }
    for (int i = scaled.leadCount; i > 0; --i) {
        scaled.lead[i] = scaled.lead[i - 1];
    }
    scaled.lead[0] = '1';
    ++scaled.leadCount;
}

ScaledDigits ScaleAndRound(const SignificantDigits& source, int places) {
    ScaledDigits scaled;
    if (source.IsZero()) {
        scaled.lead[0] = '0';
        scaled.leadCount = 1;
        return scaled;
    }
    // How many of the significant digits sit at or above the last place kept.
    const int kept = source.exponent + 1 + places;
    if (kept >= kSignificantDigits) {
        std::copy(source.digits.begin(), source.digits.end(), scaled.lead.begin());
        scaled.leadCount = kSignificantDigits;
        scaled.zeroCount = kept - kSignificantDigits;
        return scaled;
    }
    if (kept <= 0) {
        scaled.lead[0] = kept == 0 && source.digits[0] >= '5' ? '1' : '0';
        scaled.leadCount = 1;
        return scaled;
    }
    std::copy(source.digits.begin(), source.digits.begin() + kept, scaled.lead.begin());
    scaled.leadCount = kept;
    if (source.digits[kept] >= '5') {
        IncrementDigits(scaled);
    }
    return scaled;
}

void AppendIntegerPart(std::string& text, const ScaledDigits& scaled, int padding, int length,
                       const std::string& group) {
    for (int i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0) {
            text += group;
        }
        text += i < padding ? '0' : scaled.At(i - padding);
    }
}

std::string RenderDigits(const SignificantDigits& source, const NumberPattern& pattern,
                         const LocaleSeparators& separators) {
    const int fixed = pattern.point ? std::clamp(pattern.fixedDecimals, 0, kMaxPatternDecimals) : 0;
    const int optional =
        pattern.point ? std::clamp(pattern.optionalDecimals, 0, kMaxPatternDecimals) : 0;
    const int places = fixed + optional;
    const ScaledDigits scaled = ScaleAndRound(source, places);

    // Leading zeros so that there is at least one integer digit before the decimals.
    const int padding = std::max(places + 1 - scaled.Length(), 0);
    const int total = padding + scaled.Length();
    const int integerLength = total - places;
    const auto digitAt = [&](int index) {
        return index < padding ? '0' : scaled.At(index - padding);
    };
    int shownDecimals = places;
    while (shownDecimals > fixed && digitAt(integerLength + shownDecimals - 1) == '0') {
        --shownDecimals;
    }

    std::string text;
    text.reserve(static_cast<std::size_t>(total) * 2 + 8);
    if (source.negative && !scaled.IsZero()) {
        text += '-';
    }
    AppendIntegerPart(text, scaled, padding, integerLength, separators.group);
    if (pattern.point) {
        text += separators.decimal;
    }
    for (int i = 0; i < shownDecimals; ++i) {
        text += digitAt(integerLength + i);
    }
    return text;
}

}  // namespace

std::string RenderPattern(double value, const NumberPattern& pattern,
                          const LocaleSeparators& separators) {
    if (!std::isfinite(value)) {
        return {};
    }
    return RenderDigits(TakeSignificantDigits(value), pattern, separators);
}

std::optional<std::string> FormatValue(double value, View view, int mode,
                                       const LocaleSeparators& separators) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    // One conversion serves both the digit count and the rendering.
    const SignificantDigits source = TakeSignificantDigits(value);
    const int integerDigits = ScaleAndRound(source, 0).Length();
    const int fixed = view == View::Memory ? 0 : FixedDecimals(mode);
    if (integerDigits + fixed > kSignificantDigits) {
        return std::nullopt;
    }
    NumberPattern pattern;
    if (view == View::Tape && fixed == 0 && std::floor(value) == value) {
        pattern.point = false;
    } else {
        pattern.fixedDecimals = fixed;
        pattern.optionalDecimals = kSignificantDigits - integerDigits - fixed;
    }
    return RenderDigits(source, pattern, separators);
}

}  // namespace vantrel
