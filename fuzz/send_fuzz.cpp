#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "fuzz/invariant.h"
#include "tools/send/send_request.h"

// vantrel-send's arguments from any text, words split at NUL as a shell hands them over: every
// amount, word and operation number it takes is the exact value, worked out here apart from
// the parser with 128-bit integers; everything else is refused with its own exit status and a
// message that quotes the word.
namespace vantrel {
namespace {

constexpr std::size_t kMaxArguments = 4;
constexpr __int128 kScale = 10'000;
constexpr __int128 kInt64Min = -(__int128{1} << 63);
constexpr __int128 kInt64Max = (__int128{1} << 63) - 1;
constexpr __int128 kHalfMax = (__int128{1} << 32) - 1;
// Beyond every range checked here, so that a long digit string cannot overflow 128 bits.
constexpr __int128 kSaturated = __int128{1} << 100;

// What the parser should make of a word: a value, or the exit status of its refusal.
struct Expected {
    ExitCode code = ExitCode::Ok;
    __int128 value = 0;
};

bool AllDigits(std::string_view text, int base) {
    for (const char c : text) {
        const bool decimal = c >= '0' && c <= '9';
        const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!decimal && !(base == 16 && hex)) {
            return false;
        }
    }
    return !text.empty();
}

__int128 DigitsValue(std::string_view digits, int base) {
    __int128 value = 0;
    for (const char c : digits) {
        const int digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
        value = value >= kSaturated ? kSaturated : value * base + digit;
    }
    return value;
}

std::string_view WithoutSign(std::string_view text, bool& negative) {
    negative = text.starts_with('-');
    if (text.starts_with('-') || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    return text;
}

Expected ExpectedAmount(std::string_view text) {
    bool negative = false;
    text = WithoutSign(text, negative);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view("0") : text.substr(point + 1);
    if (!AllDigits(whole, 10) || !AllDigits(decimals, 10)) {
        return {ExitCode::BadAmount};
    }
    if (decimals.size() > 4) {
        return {ExitCode::TooManyDecimals};
    }
    __int128 fraction = DigitsValue(decimals, 10);
    for (std::size_t k = decimals.size(); k < 4; ++k) {
        fraction *= 10;
    }
    const __int128 magnitude = DigitsValue(whole, 10) * kScale + fraction;
    const __int128 value = negative ? -magnitude : magnitude;
    if (value < kInt64Min || value > kInt64Max) {
        return {ExitCode::OutOfRange};
    }
    return {ExitCode::Ok, value};
}

// Decimal digits, or "0x" with hex digits; with a sign only where one is allowed.
std::optional<std::pair<bool, __int128>> ExpectedInteger(std::string_view text, bool signAllowed) {
    bool negative = false;
    if (signAllowed) {
        text = WithoutSign(text, negative);
    }
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string_view digits = hex ? text.substr(2) : text;
    if (!AllDigits(digits, hex ? 16 : 10)) {
        return std::nullopt;
    }
    return std::pair{negative, DigitsValue(digits, hex ? 16 : 10)};
}

Expected ExpectedHalf(std::string_view text) {
    const auto number = ExpectedInteger(text, false);
    if (!number) {
        return {ExitCode::BadAmount};
    }
    return number->second > kHalfMax ? Expected{ExitCode::OutOfRange}
                                     : Expected{ExitCode::Ok, number->second};
}

constexpr std::array<std::string_view, 12> kOperations = {
    "subtract",   "add",       "divide",         "multiply",
    "percent",    "total",     "memory-restore", "memory-subtract",
    "memory-add", "clear-all", "memory-clear",   "clear"};

Expected ExpectedOperation(std::string_view text) {
    for (std::size_t k = 0; k < kOperations.size(); ++k) {
        if (kOperations[k] == text) {
            return {ExitCode::Ok, static_cast<__int128>(k + 1)};
        }
    }
    const auto number = ExpectedInteger(text, true);
    if (!number) {
        return {ExitCode::UnknownOperation};
    }
    const auto [negative, magnitude] = *number;
    if (magnitude > (negative ? (__int128{1} << 31) : kHalfMax)) {
        return {ExitCode::OutOfRange};
    }
    // The half sent: a negative number in two's complement over 32 bits.
    return {ExitCode::Ok, negative ? ((kHalfMax + 1) - magnitude) & kHalfMax : magnitude};
}

template <typename Value>
void CheckParsed(const std::variant<Value, SendError>& parsed, const Expected& expected,
                 std::string_view word, const char* invariant) {
    if (expected.code == ExitCode::Ok) {
        Require(std::holds_alternative<Value>(parsed), invariant);
        Require(static_cast<__int128>(std::get<Value>(parsed)) == expected.value, invariant);
        return;
    }
    const auto* error = std::get_if<SendError>(&parsed);
    Require(error != nullptr && error->code == expected.code, invariant);
    Require(error->message.find("'" + std::string(word) + "'") != std::string::npos,
            "send: a refusal quotes the word it refused");
}

void CheckWord(std::string_view word) {
    const Expected amount = ExpectedAmount(word);
    CheckParsed(ParseScaledAmount(word), amount, word, "send: an amount converts exactly");
    if (amount.code == ExitCode::Ok) {
        const MessageHalves halves = SplitAmount(static_cast<std::int64_t>(amount.value));
        const auto bits = static_cast<unsigned __int128>(amount.value);
        Require(halves.wParam == static_cast<std::uint32_t>(bits) &&
                    halves.lParam == static_cast<std::uint32_t>(bits >> 32),
                "send: the halves are the amount's low and high words");
    }
    CheckParsed(ParseHalf(word), ExpectedHalf(word), word, "send: a half converts exactly");
    CheckParsed(ParseOperation(word), ExpectedOperation(word), word,
                "send: an operation converts exactly");
}

// The whole command line: a request made of the words' own conversions, or a refusal.
void CheckArguments(const std::vector<std::string_view>& words) {
    const auto parsed = ParseArguments(std::span<const std::string_view>(words));
    if (const auto* error = std::get_if<SendError>(&parsed)) {
        Require(error->code != ExitCode::Ok && !error->message.empty(),
                "send: a refusal has an exit status and a message");
        return;
    }
    const SendRequest& request = std::get<SendRequest>(parsed);
    const std::string_view command = words.front();
    if (request.command == SendCommand::Input && command == "input") {
        const Expected amount = ExpectedAmount(words[1]);
        Require(amount.code == ExitCode::Ok, "send: input takes only a valid amount");
        const MessageHalves halves = SplitAmount(static_cast<std::int64_t>(amount.value));
        Require(request.halves.wParam == halves.wParam && request.halves.lParam == halves.lParam,
                "send: input sends the amount's halves");
    } else if (request.command == SendCommand::Input) {
        Require(command == "input-raw" && words.size() == 3, "send: input-raw takes two words");
        Require(request.halves.wParam == ExpectedHalf(words[1]).value &&
                    request.halves.lParam == ExpectedHalf(words[2]).value,
                "send: input-raw sends its two words");
    } else if (request.command == SendCommand::Operate) {
        Require(command == "operate" && words.size() == 2, "send: operate takes one word");
        Require(request.halves.wParam == ExpectedOperation(words[1]).value &&
                    request.halves.lParam == 0,
                "send: operate sends the operation's word");
    }
}

}  // namespace
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at <= text.size() && words.size() < vantrel::kMaxArguments;) {
        const std::size_t end = std::min(text.find('\0', at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    for (const std::string_view word : words) {
        vantrel::CheckWord(word);
    }
    vantrel::CheckArguments(words);
    return 0;
}
