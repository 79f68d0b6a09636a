#include <charconv>
#include <optional>
#include <string>

#include "core/calculator.h"
#include "core/format_value.h"
#include "core/rounding.h"
#include "core/utf8.h"

namespace vantrel {
namespace {

constexpr std::size_t kEntryLimit = 15;
constexpr std::size_t kEntryLimitWithSeparator = 16;

// An entry reads as an optional "-", digits, and at most one separator followed by digits.
std::optional<double> ReadEntry(std::string_view text, std::string_view separator) {
    std::string plain;
    if (!text.empty() && text.front() == '-') {
        plain += '-';
        text.remove_prefix(1);
    }
    const auto separatorAt = text.find(separator);
    const std::string_view whole = text.substr(0, separatorAt);
    const std::string_view fraction = separatorAt == std::string_view::npos
                                          ? std::string_view{}
                                          : text.substr(separatorAt + separator.size());
    const auto allDigits = [](std::string_view digits) {
        return digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || !allDigits(whole) || !allDigits(fraction)) {
        return std::nullopt;
    }
    plain.append(whole).append(".").append(fraction).append("0");
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc{} || end != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

void Calculator::cmd_Input(std::string_view InputSTR, bool INSMode) {
    const std::string& separator = m_separators.decimal;
    const int mode = SelectedRoundOption();
    if (mode == kAutoAdd2Mode && InputSTR == separator) {
        return RefuseKey();
    }
    std::string candidate;
    if (InputSTR.empty()) {
        candidate = m_state.EntryText;
    } else if (!INSMode && (InputSTR == separator || m_state.EntryText != "0")) {
        candidate = m_state.EntryText + std::string(InputSTR);
    } else {
        candidate = InputSTR == "00" ? "0" : std::string(InputSTR);
    }
    // A redraw keeps what the entry is; a typed key makes it a typed entry.
    const bool pushed = INSMode || (InputSTR.empty() && m_state.EntryPushed);
    auto value = ReadEntry(candidate, separator);
    if (!value) {
        return RefuseKey();
    }
    if (mode == kAutoAdd2Mode && !pushed) {
        *value /= 100;
    }
    if (!ShowEntry(candidate, pushed)) {
        return RefuseKey();
    }
    m_state.EntryText = std::move(candidate);
    m_state.EntryPushed = pushed;
    m_state.registers.CurValue = *value;
    m_state.registers.ShownValue = *value;
}

// A pushed amount is shown at face value in every mode, so that the display always shows
// the operand that the next operation takes.
bool Calculator::ShowEntry(const std::string& Text, bool pushed) {
    const std::string& separator = m_separators.decimal;
    const auto separatorAt = Text.find(separator);
    const bool hasSeparator = separatorAt != std::string::npos;
    const std::size_t limit = hasSeparator ? kEntryLimitWithSeparator : kEntryLimit;
    if (Utf8Length(Text) > limit) {
        return false;
    }
    const auto value = ReadEntry(Text, separator);
    if (!value) {
        return false;
    }
    NumberPattern pattern;
    double shown = *value;
    if (SelectedRoundOption() == kAutoAdd2Mode) {
        if (!pushed) {
            shown /= 100;
        }
        pattern.fixedDecimals = 2;
    } else if (hasSeparator) {
        pattern.fixedDecimals = static_cast<int>(
            Utf8Length(std::string_view(Text).substr(separatorAt + separator.size())));
    }
    m_indicators.ShowEntryText(RenderPattern(shown, pattern, m_separators) + " ");
    return true;
}

void Calculator::DropLastChar() {
    std::string& entry = m_state.EntryText;
    if (Utf8Length(entry) <= 1) {
        entry = "0";
        return;
    }
    entry.erase(Utf8LastCharacterStart(entry));
    // A lone minus sign, left from a pushed negative amount, is no number.
    if (entry == "-") {
        entry = "0";
    }
}

void Calculator::Backspace() {
    DropLastChar();
    if (m_state.EntryText.ends_with(m_separators.decimal)) {
        DropLastChar();
    }
    cmd_Input("", false);
}

void Calculator::ResetEntry() {
    m_state.EntryText = "0";
    m_state.EntryPushed = false;
}

void Calculator::RefuseKey() {
    m_ports.tones.ErrorBeep();
}

}  // namespace vantrel
