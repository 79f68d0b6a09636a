#include "tools/replay/replay.h"

#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "core/command_table.h"
#include "core/utf8.h"
#include "core/vocabulary.h"
#include "tools/headless/headless_session.h"

namespace vantrel {
namespace {

constexpr int kUsageError = 2;
constexpr int kLargestKeyCode = 0xFFFF;

template <typename Number>
std::optional<Number> ReadNumber(std::string_view text, int base = 10) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

template <typename Number>
std::optional<Number> ReadInRange(std::string_view text, Number low, Number high) {
    const auto value = ReadNumber<Number>(text);
    return value && *value >= low && *value <= high ? value : std::nullopt;
}

// Two numbers written "first,second".
template <typename Number>
std::optional<std::pair<Number, Number>> ReadPair(std::string_view text) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    const auto first = ReadNumber<Number>(text.substr(0, comma));
    const auto second = ReadNumber<Number>(text.substr(comma + 1));
    if (!first || !second) {
        return std::nullopt;
    }
    return std::pair{*first, *second};
}

std::optional<std::string> PercentDecode(std::string_view text) {
    std::string decoded;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            decoded += text[at];
            continue;
        }
        const auto byte = ReadNumber<unsigned>(text.substr(at + 1, 2), 16);
        if (at + 2 >= text.size() || !byte) {
            return std::nullopt;
        }
        decoded += static_cast<char>(*byte);
        at += 2;
    }
    return decoded;
}

// A key press: a virtual-key code and a Shift 1, Ctrl 2, Alt 4 mask.
std::optional<std::pair<int, int>> ReadKeyPress(std::string_view text) {
    constexpr int kAllModifiers = 7;
    const auto key = ReadPair<int>(text);
    const bool fits = key && key->first >= 0 && key->first <= kLargestKeyCode && key->second >= 0 &&
                      key->second <= kAllModifiers;
    return fits ? key : std::nullopt;
}

// A token is a prefix naming what to do and an argument; `run` returns false when the
// argument does not fit. The prefixes with a colon take a name: "k:Add", "op:Total".
struct TokenKind {
    std::string_view prefix;
    std::function<bool(HeadlessSession&, std::string_view)> run;
    bool named = false;
};

// A kind whose argument `read` turns into a value (nullopt when it does not fit) for `action`.
template <typename Read, typename Action>
TokenKind Kind(std::string_view prefix, Read read, Action action, bool named = false) {
    return {prefix,
            [read, action](HeadlessSession& session, std::string_view argument) {
                auto value = read(argument);
                if (value) {
                    action(session, std::move(*value));
                }
                return value.has_value();
            },
            named};
}

std::optional<int> RoundModeNamed(std::string_view name) {
    for (int mode = 0; mode < kRoundModeCount; ++mode) {
        if (kRoundModeNames[static_cast<std::size_t>(mode)] == name) {
            return mode;
        }
    }
    return std::nullopt;
}

std::optional<int> ReadRoundMode(std::string_view text) {
    return ReadInRange(text, 0, kRoundModeCount - 1);
}

std::optional<OpIndex> ReadOperation(std::string_view text) {
    const auto value = ReadNumber<std::int16_t>(text);
    return value ? std::optional(static_cast<OpIndex>(*value)) : std::nullopt;
}

std::optional<CommandIndex> ReadCommand(std::string_view text) {
    const auto value = ReadInRange<std::int16_t>(text, 0, kCommandCount - 1);
    return value ? std::optional(static_cast<CommandIndex>(*value)) : std::nullopt;
}

std::optional<int> ReadKeyCode(std::string_view text) {
    return ReadInRange(text, 0, kLargestKeyCode);
}

const std::vector<TokenKind>& TokenKinds() {
    using Session = HeadlessSession;
    const auto click = [](Session& session, CommandIndex index) { session.Click(index); };
    const auto operate = [](Session& session, OpIndex op) { session.Operate(op); };
    const auto selectMode = [](Session& session, int mode) { session.SelectMode(mode); };
    static const std::vector<TokenKind> kinds = {
        Kind("k:", CommandNamed, click, true),
        Kind("op:", OperationNamed, operate, true),
        Kind("mode:", RoundModeNamed, selectMode, true),
        Kind(
            "clip:", PercentDecode,
            [](Session& session, std::string text) { session.Clipboard().text = std::move(text); }),
        Kind("mode", ReadRoundMode, selectMode),
        Kind("op", ReadOperation, operate),
        Kind(
            "in", ReadPair<std::uint32_t>,
            [](Session& session, auto amount) { session.PushAmount(amount.first, amount.second); }),
        Kind("kd", ReadKeyPress,
             [](Session& session, auto key) { session.KeyDown(key.first, key.second); }),
        Kind("ku", ReadKeyCode, [](Session& session, int keyCode) { session.KeyUp(keyCode); }),
        Kind("k", ReadCommand, click),
    };
    return kinds;
}

// Runs one token; otherwise says why it could not.
std::optional<std::string> RunToken(HeadlessSession& session, std::string_view token) {
    for (const TokenKind& kind : TokenKinds()) {
        if (!token.starts_with(kind.prefix)) {
            continue;
        }
        const std::string_view argument = token.substr(kind.prefix.size());
        if (kind.run(session, argument)) {
            return std::nullopt;
        }
        if (kind.named) {
            return "unknown name '" + std::string(argument) + "' in '" + std::string(token) + "'";
        }
        break;
    }
    return "unknown token '" + std::string(token) + "'";
}

// A separator is one character that cannot be taken for part of a number.
bool IsSeparator(std::string_view text) {
    return Utf8Length(text) == 1 && text.find_first_of("0123456789-+eE") == std::string_view::npos;
}

std::optional<std::string> ReadArguments(const std::vector<std::string>& arguments,
                                         HeadlessSession::Options& options) {
    for (std::size_t at = 0; at < arguments.size(); at += 2) {
        const std::string& name = arguments[at];
        if (at + 1 >= arguments.size()) {
            return "option " + name + " needs a value";
        }
        const std::string& value = arguments[at + 1];
        if (name == "--mode") {
            const auto mode = ReadInRange(value, 0, kRoundModeCount - 1);
            if (!mode) {
                return "--mode takes 0 to 6, not " + value;
            }
            options.mode = *mode;
        } else if (name == "--decimal" || name == "--group") {
            if (!IsSeparator(value)) {
                return name + " takes one character that is not a digit or sign, not " + value;
            }
            (name == "--decimal" ? options.separators.decimal : options.separators.group) = value;
        } else {
            return "unknown option " + name;
        }
    }
    if (options.separators.decimal == options.separators.group) {
        return "the decimal separator and the grouping character must differ";
    }
    return std::nullopt;
}

}  // namespace

int RunReplay(const std::vector<std::string>& arguments, std::istream& input, std::ostream& out,
              std::ostream& err) {
    HeadlessSession::Options options;
    if (const auto problem = ReadArguments(arguments, options)) {
        err << "vantrel-replay: " << *problem
            << "\nusage: vantrel-replay [--mode N] [--decimal C] [--group C] < tokens\n";
        return kUsageError;
    }
    HeadlessSession session(std::move(options));
    std::string token;
    while (input >> token) {
        if (const auto problem = RunToken(session, token)) {
            err << "vantrel-replay: " << *problem << '\n';
            return kUsageError;
        }
        session.EndBlink();
    }
    session.WriteReport(out);
    return 0;
}

}  // namespace vantrel
