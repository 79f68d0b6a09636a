#include "tools/send/send_request.h"

#include <array>
#include <limits>
#include <optional>
#include <utility>

namespace vantrel {
namespace {

constexpr std::uint64_t kScale = 10'000;
constexpr std::size_t kMaxDecimals = 4;
constexpr std::uint64_t kMaxPositive = std::numeric_limits<std::int64_t>::max();
constexpr std::uint64_t kMaxNegative = kMaxPositive + 1;

// The operation indices by the names used on the command line.
constexpr std::array<std::string_view, 12> kOperationNames = {
    "subtract",   "add",       "divide",         "multiply",
    "percent",    "total",     "memory-restore", "memory-subtract",
    "memory-add", "clear-all", "memory-clear",   "clear"};

SendError Error(ExitCode code, std::string message) {
    return {code, std::move(message)};
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<unsigned> DecimalDigit(char c) {
    return IsDigit(c) ? std::optional<unsigned>(static_cast<unsigned>(c - '0')) : std::nullopt;
}

std::optional<unsigned> HexDigit(char c) {
    if (c >= 'a' && c <= 'f') {
        return static_cast<unsigned>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<unsigned>(c - 'A' + 10);
    }
    return DecimalDigit(c);
}

// value * base + digit, or false when it leaves 64 bits.
bool Accumulate(std::uint64_t& value, std::uint64_t base, std::uint64_t digit) {
    if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / base) {
        return false;
    }
    value = value * base + digit;
    return true;
}

struct ScannedNumber {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool overflow = false;
};

std::string_view TakeSign(std::string_view text, bool& negative) {
    negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    return text;
}

// Digits, or 0x and hex digits; nothing else, not even blanks.
std::optional<ScannedNumber> ScanInteger(std::string_view text, bool signAllowed) {
    ScannedNumber number;
    if (signAllowed) {
        text = TakeSign(text, number.negative);
    }
    std::uint64_t base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    for (const char c : text) {
        const std::optional<unsigned> digit = base == 16 ? HexDigit(c) : DecimalDigit(c);
        if (!digit) {
            return std::nullopt;
        }
        number.overflow = number.overflow || !Accumulate(number.magnitude, base, *digit);
    }
    return number;
}

std::optional<std::uint32_t> OperationByName(std::string_view name) {
    for (std::size_t k = 0; k < kOperationNames.size(); ++k) {
        if (kOperationNames[k] == name) {
            return static_cast<std::uint32_t>(k + 1);
        }
    }
    return std::nullopt;
}

template <typename Value>
std::variant<SendRequest, SendError> WithHalves(SendCommand command,
                                                const std::variant<Value, SendError>& parsed,
                                                MessageHalves (*halves)(Value)) {
    if (const auto* error = std::get_if<SendError>(&parsed)) {
        return *error;
    }
    return SendRequest{command, halves(std::get<Value>(parsed))};
}

MessageHalves OperationHalves(std::uint32_t wParam) {
    return {wParam, 0};
}

SendError UsageError(std::string message) {
    return Error(ExitCode::Usage, message + " (see vantrel-send --help)");
}

std::variant<SendRequest, SendError> ParseInputRaw(std::span<const std::string_view> words) {
    const auto low = ParseHalf(words[0]);
    if (const auto* error = std::get_if<SendError>(&low)) {
        return *error;
    }
    const auto high = ParseHalf(words[1]);
    if (const auto* error = std::get_if<SendError>(&high)) {
        return *error;
    }
    return SendRequest{SendCommand::Input,
                       {std::get<std::uint32_t>(low), std::get<std::uint32_t>(high)}};
}

}  // namespace

std::variant<std::int64_t, SendError> ParseScaledAmount(std::string_view text) {
    const std::string_view original = text;
    bool negative = false;
    text = TakeSign(text, negative);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto allDigits = [](std::string_view digits) {
        for (const char c : digits) {
            if (!IsDigit(c)) {
                return false;
            }
        }
        return !digits.empty();
    };
    if (!allDigits(whole) || (point != std::string_view::npos && !allDigits(decimals))) {
        return Error(ExitCode::BadAmount,
                     "not an amount: " + Quoted(original) +
                         " (digits with an optional sign, and at most four decimals after a '.')");
    }
    if (decimals.size() > kMaxDecimals) {
        return Error(ExitCode::TooManyDecimals,
                     "too many decimals in " + Quoted(original) + ": at most four");
    }
    std::uint64_t magnitude = 0;
    bool fits = true;
    for (const char c : whole) {
        fits = fits && Accumulate(magnitude, 10, *DecimalDigit(c));
    }
    std::uint64_t fraction = 0;
    for (std::size_t k = 0; k < kMaxDecimals; ++k) {
        fraction = fraction * 10 + (k < decimals.size() ? *DecimalDigit(decimals[k]) : 0);
    }
    fits = fits && Accumulate(magnitude, kScale, fraction);
    if (!fits || magnitude > (negative ? kMaxNegative : kMaxPositive)) {
        return Error(ExitCode::OutOfRange,
                     "amount out of range: " + Quoted(original) +
                         " (from -922337203685477.5808 to 922337203685477.5807)");
    }
    // Negating in unsigned arithmetic reaches the most negative amount too.
    return static_cast<std::int64_t>(negative ? ~magnitude + 1 : magnitude);
}

MessageHalves SplitAmount(std::int64_t scaled) {
    const auto bits = static_cast<std::uint64_t>(scaled);
    return {static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
}

std::variant<std::uint32_t, SendError> ParseHalf(std::string_view text) {
    const std::optional<ScannedNumber> number = ScanInteger(text, false);
    if (!number) {
        return Error(ExitCode::BadAmount,
                     "not an unsigned 32-bit number: " + Quoted(text) + " (decimal or 0x hex)");
    }
    if (number->overflow || number->magnitude > std::numeric_limits<std::uint32_t>::max()) {
        return Error(ExitCode::OutOfRange,
                     "out of range: " + Quoted(text) + " (from 0 to 4294967295)");
    }
    return static_cast<std::uint32_t>(number->magnitude);
}

std::variant<std::uint32_t, SendError> ParseOperation(std::string_view text) {
    if (const std::optional<std::uint32_t> index = OperationByName(text)) {
        return *index;
    }
    const std::optional<ScannedNumber> number = ScanInteger(text, true);
    if (!number) {
        return Error(ExitCode::UnknownOperation,
                     "unknown operation " + Quoted(text) +
                         " (a number, or a name that vantrel-send --help lists)");
    }
    const std::uint64_t limit =
        number->negative ? std::uint64_t{1} << 31 : std::numeric_limits<std::uint32_t>::max();
    if (number->overflow || number->magnitude > limit) {
        return Error(ExitCode::OutOfRange, "operation number out of range: " + Quoted(text) +
                                               " (from -2147483648 to 4294967295)");
    }
    const auto low = static_cast<std::uint32_t>(number->magnitude);
    return number->negative ? ~low + 1 : low;
}

std::variant<SendRequest, SendError> ParseArguments(std::span<const std::string_view> arguments) {
    if (arguments.empty()) {
        return UsageError("no command given");
    }
    const std::string_view command = arguments.front();
    const std::span<const std::string_view> rest = arguments.subspan(1);
    if ((command == "--help" || command == "-h") && rest.empty()) {
        return SendRequest{SendCommand::Help, {}};
    }
    if (command == "--version" && rest.empty()) {
        return SendRequest{SendCommand::Version, {}};
    }
    if (command == "input" && rest.size() == 1) {
        return WithHalves(SendCommand::Input, ParseScaledAmount(rest[0]), &SplitAmount);
    }
    if (command == "input-raw" && rest.size() == 2) {
        return ParseInputRaw(rest);
    }
    if (command == "operate" && rest.size() == 1) {
        return WithHalves(SendCommand::Operate, ParseOperation(rest[0]), &OperationHalves);
    }
    if (command == "read" && rest.empty()) {
        return SendRequest{SendCommand::Read, {}};
    }
    if (command == "tape" && rest.empty()) {
        return SendRequest{SendCommand::Tape, {}};
    }
    if (command == "tape" && rest.size() == 1 && rest[0] == "--csv") {
        return SendRequest{SendCommand::TapeCsv, {}};
    }
    for (const std::string_view known : {"input", "input-raw", "operate", "read", "tape"}) {
        if (command == known) {
            return UsageError("wrong arguments for " + Quoted(command));
        }
    }
    return UsageError("unknown command " + Quoted(command));
}

}  // namespace vantrel
