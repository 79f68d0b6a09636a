#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "commands/amount_text.h"
#include "core/locale_separators.h"
#include "core/utf8.h"

namespace vantrel {

// A number as a label shows it, read back: its value and the decimals it shows.
struct ShownNumber {
    double value = 0;
    int decimals = 0;
    int integerDigits = 0;
};

inline std::optional<ShownNumber> ReadShownNumber(std::string_view text,
                                                  const LocaleSeparators& locale) {
    const auto value = ParseAmountText(text, locale);
    const auto separatorAt = text.find(locale.decimal);
    if (!value || separatorAt == std::string_view::npos || !text.ends_with(' ')) {
        return std::nullopt;
    }
    ShownNumber shown{*value, 0, 0};
    for (const char c : text.substr(0, separatorAt)) {
        shown.integerDigits += c >= '0' && c <= '9' ? 1 : 0;
    }
    const std::string_view decimals = text.substr(separatorAt + locale.decimal.size());
    shown.decimals = static_cast<int>(Utf8Length(decimals)) - 1;
    return shown;
}

// Within half a unit of the last place kept, beyond what 15 significant digits can hold.
inline bool ReadsBackAs(double shown, double value, int places) {
    const double halfUnit = 0.5 * std::pow(10.0, -places);
    return std::fabs(shown - value) <= halfUnit + std::fabs(value) * 1e-14;
}

}  // namespace vantrel
