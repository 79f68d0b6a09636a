#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "commands/amount_text.h"
#include "core/format_value.h"
#include "fuzz/invariant.h"

namespace {

using vantrel::Require;

const vantrel::LocaleSeparators kLocales[] = {{".", ","},      {",", "."}, {",", "\u202F"},
                                              {",", "\u00A0"}, {".", "'"}, {"\u066B", "\u066C"}};

// Whatever is read is finite, and whatever the display shows of it can be pasted back and
// shows the same again.
void CheckPastedText(std::string_view text, const vantrel::LocaleSeparators& locale) {
    const std::optional<double> value = vantrel::ParseAmountText(text, locale);
    if (!value) {
        return;
    }
    Require(std::isfinite(*value), "paste text: what is read is finite");
    for (int mode = 0; mode < 7; ++mode) {
        const std::optional<std::string> shown =
            vantrel::FormatValue(*value, vantrel::View::Display, mode, locale);
        if (!shown) {
            continue;
        }
        const std::optional<double> again = vantrel::ParseAmountText(*shown, locale);
        Require(again.has_value(), "paste text: the display's text reads back");
        Require(vantrel::FormatValue(*again, vantrel::View::Display, mode, locale) == shown,
                "paste text: the display's text shows the same again");
    }
}

// Every amount another program can send is taken by the paste reader as nearly that amount.
void CheckAmountMessage(const std::uint8_t* data, const vantrel::LocaleSeparators& locale) {
    std::uint32_t wParam = 0;
    std::uint32_t lParam = 0;
    std::memcpy(&wParam, data, sizeof wParam);
    std::memcpy(&lParam, data + sizeof wParam, sizeof lParam);
    const std::string text = vantrel::AmountMessageText(wParam, lParam, locale.decimal);
    const std::optional<double> value = vantrel::ParseAmountText(text, locale);
    Require(value.has_value(), "amount message: its text reads as a number");
    const auto amount = static_cast<std::int64_t>((std::uint64_t{lParam} << 32) | wParam);
    const double expected = static_cast<double>(amount) / 10000.0;
    Require(std::fabs(*value - expected) <= std::fabs(expected) * 1e-15,
            "amount message: its text reads as nearly the amount");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const vantrel::LocaleSeparators& locale = kLocales[data[0] % std::size(kLocales)];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckPastedText(text, locale);
    if (size >= 9) {
        CheckAmountMessage(data + 1, locale);
    }
    return 0;
}
