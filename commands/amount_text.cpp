#include "commands/amount_text.h"

#include <charconv>
#include <system_error>

namespace vantrel {

namespace {

// Exponents are only compared for sign after an out-of-range conversion, so a bound far
// beyond any double's keeps the arithmetic from overflowing without changing the outcome.
constexpr std::int64_t kExponentBound = 1'000'000'000'000;

constexpr std::uint64_t kAmountScale = 10'000;
constexpr int kAmountPlaces = 4;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The pasted text split into its parts; digits are kept as written, the grouping removed.
struct AmountParts {
    bool negative = false;
    std::string integerDigits;
    std::string_view fractionDigits;
    bool negativeExponent = false;
    std::string_view exponentDigits;
};

class AmountScanner {
  public:
    AmountScanner(std::string_view text, const LocaleSeparators& separators)
        : m_text(text), m_separators(separators) {}

    std::optional<AmountParts> Scan() {
        AmountParts parts;
        parts.negative = TakeSign();
        if (!TakeIntegerPart(parts.integerDigits)) {
            return std::nullopt;
        }
        if (TakeLiteral(m_separators.decimal)) {
            parts.fractionDigits = TakeDigits();
        }
        if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
            return std::nullopt;
        }
        if (!m_text.empty() && (m_text.front() == 'e' || m_text.front() == 'E')) {
            m_text.remove_prefix(1);
            parts.negativeExponent = TakeSign();
            parts.exponentDigits = TakeDigits();
            if (parts.exponentDigits.empty()) {
                return std::nullopt;
            }
        }
        if (!m_text.empty()) {
            return std::nullopt;
        }
        return parts;
    }

  private:
    bool TakeSign() {
        if (!m_text.empty() && (m_text.front() == '+' || m_text.front() == '-')) {
            const bool negative = m_text.front() == '-';
            m_text.remove_prefix(1);
            return negative;
        }
        return false;
    }

    std::string_view TakeDigits() {
        std::size_t count = 0;
        while (count < m_text.size() && IsDigit(m_text[count])) {
            ++count;
        }
        const std::string_view digits = m_text.substr(0, count);
        m_text.remove_prefix(count);
        return digits;
    }

    bool TakeLiteral(std::string_view literal) {
        if (literal.empty() || !m_text.starts_with(literal)) {
            return false;
        }
        m_text.remove_prefix(literal.size());
        return true;
    }

    // A group character may only stand between digits, with one to three digits before the
    // first and exactly three after each.
    bool TakeIntegerPart(std::string& digits) {
        const std::string_view lead = TakeDigits();
        digits.assign(lead);
        const std::string_view group = m_separators.group;
        if (group.empty() || group == m_separators.decimal || !m_text.starts_with(group)) {
            return true;
        }
        if (lead.empty() || lead.size() > 3) {
            return false;
        }
        while (TakeLiteral(group)) {
            const std::string_view triple = TakeDigits();
            if (triple.size() != 3) {
                return false;
            }
            digits.append(triple);
        }
        return true;
    }

    std::string_view m_text;
    const LocaleSeparators& m_separators;
};

std::int64_t SaturatedExponent(const AmountParts& parts) {
    std::int64_t exponent = 0;
    for (const char digit : parts.exponentDigits) {
        if (exponent < kExponentBound) {
            exponent = exponent * 10 + (digit - '0');
        }
    }
    return parts.negativeExponent ? -exponent : exponent;
}

// The decimal power of the first non-zero digit: at or above zero a value out of range can
// only have overflowed, below it only underflowed.
bool Overflowed(const AmountParts& parts) {
    const std::size_t lead = parts.integerDigits.find_first_not_of('0');
    const std::int64_t exponent = SaturatedExponent(parts);
    if (lead != std::string::npos) {
        const auto wholeDigits = static_cast<std::int64_t>(parts.integerDigits.size() - lead);
        return wholeDigits - 1 + exponent >= 0;
    }
    const std::size_t first = parts.fractionDigits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        return false;
    }
    return exponent - static_cast<std::int64_t>(first) - 1 >= 0;
}

std::string CanonicalText(const AmountParts& parts) {
    std::string text;
    text.reserve(parts.integerDigits.size() + parts.fractionDigits.size() +
                 parts.exponentDigits.size() + 4);
    if (parts.negative) {
        text += '-';
    }
    text += parts.integerDigits;
    text += '.';
    text += parts.fractionDigits;
    if (!parts.exponentDigits.empty()) {
        text += parts.negativeExponent ? "e-" : "e";
        text += parts.exponentDigits;
    }
    return text;
}

}  // namespace

std::optional<double> ParseAmountText(std::string_view text, const LocaleSeparators& separators) {
    const std::optional<AmountParts> parts = AmountScanner(Trim(text), separators).Scan();
    if (!parts) {
        return std::nullopt;
    }
    const std::string canonical = CanonicalText(*parts);
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small for a double is as good as zero; too large is not a number to take.
        if (Overflowed(*parts)) {
            return std::nullopt;
        }
        return 0.0;
    }
    if (error != std::errc{} || end != canonical.data() + canonical.size()) {
        return std::nullopt;
    }
    return value;
}

std::string AmountMessageText(std::uint32_t wParam, std::uint32_t lParam,
                              std::string_view decimalSeparator) {
    const std::uint64_t bits = (static_cast<std::uint64_t>(lParam) << 32) | wParam;
    const bool negative = static_cast<std::int64_t>(bits) < 0;
    // Negating in unsigned arithmetic keeps the most negative amount representable.
    const std::uint64_t magnitude = negative ? ~bits + 1 : bits;
    std::uint64_t fraction = magnitude % kAmountScale;

    std::string text;
    if (negative) {
        text += '-';
    }
    text += std::to_string(magnitude / kAmountScale);
    if (fraction != 0) {
        text += decimalSeparator;
        int places = kAmountPlaces;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --places;
        }
        const std::string digits = std::to_string(fraction);
        text.append(static_cast<std::size_t>(places) - digits.size(), '0');
        text += digits;
    }
    return text;
}

}  // namespace vantrel
