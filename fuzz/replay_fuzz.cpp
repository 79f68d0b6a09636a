#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/invariant.h"
#include "tools/replay/replay.h"

// vantrel-replay with any bytes: the first line is taken as its arguments, the rest as the
// tokens on standard input. Either every token runs and the report comes out, or it stops
// with status 2, nothing on standard output and one clear message naming what it refused.
namespace vantrel {
namespace {

constexpr std::size_t kMaxArguments = 8;

bool IsStreamBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Words split at blanks, as the stream reads tokens.
std::vector<std::string> Words(std::string_view text, std::size_t limit) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (words.size() < limit) {
        while (at < text.size() && IsStreamBlank(text[at])) {
            ++at;
        }
        if (at == text.size()) {
            break;
        }
        std::size_t stop = at;
        while (stop < text.size() && !IsStreamBlank(text[stop])) {
            ++stop;
        }
        words.emplace_back(text.substr(at, stop - at));
        at = stop;
    }
    return words;
}

bool IsToken(std::string_view quoted, const std::vector<std::string>& tokens) {
    for (const std::string& token : tokens) {
        if (token == quoted) {
            return true;
        }
    }
    return false;
}

// A refused token is named between quotes at the end of the one message line.
void CheckTokenMessage(std::string_view message, const std::vector<std::string>& tokens) {
    Require(message.ends_with("'\n") && message.find('\n') == message.size() - 1,
            "replay: a refused token gets one line ending in the token");
    const std::string_view body = message.substr(0, message.size() - 2);
    const std::size_t open = body.rfind(" '");
    Require(open != std::string_view::npos, "replay: the refused token is quoted");
    Require(body.starts_with("vantrel-replay: unknown token '") ||
                body.starts_with("vantrel-replay: unknown name '"),
            "replay: the message says what is unknown");
    Require(IsToken(body.substr(open + 2), tokens), "replay: the message names a token it read");
}

void CheckRun(std::string_view arguments, std::string_view input) {
    const std::vector<std::string> words = Words(arguments, kMaxArguments);
    std::istringstream in{std::string(input)};
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunReplay(words, in, out, err);
    Require(status == 0 || status == 2, "replay: exits with 0 or 2");
    if (status == 0) {
        Require(err.str().empty(), "replay: a run that works says nothing on standard error");
        const std::string report = out.str();
        Require(report.starts_with("display\t") || report.find("\ndisplay\t") != std::string::npos,
                "replay: a run that works reports the display");
        Require(report.ends_with("\n") &&
                    report.find("pending\t", report.rfind('\n', report.size() - 2)) !=
                        std::string::npos,
                "replay: the report ends with the pending operation");
        return;
    }
    Require(out.str().empty(), "replay: a refused run prints no report");
    const std::string message = err.str();
    Require(message.starts_with("vantrel-replay: "), "replay: the message names the program");
    if (message.find("\nusage: ") != std::string::npos) {
        Require(message.ends_with(" < tokens\n"), "replay: a bad argument ends with the usage");
        return;
    }
    CheckTokenMessage(message, Words(input, input.size()));
}

}  // namespace
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const std::size_t newline = text.find('\n');
    const std::string_view arguments = text.substr(0, newline);
    const std::string_view input =
        newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    vantrel::CheckRun(arguments, input);
    return 0;
}
