#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "tools/send/calculator_client.h"
#include "tools/send/send_request.h"

namespace {

int Fail(const vantrel::SendError& error) {
    std::fprintf(stderr, "vantrel-send: %s\n", error.message.c_str());
    return static_cast<int>(error.code);
}

int Print(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : static_cast<int>(vantrel::ExitCode::Failed);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = vantrel::ParseArguments(arguments);
    if (const auto* error = std::get_if<vantrel::SendError>(&parsed)) {
        return Fail(*error);
    }
    const auto& request = std::get<vantrel::SendRequest>(parsed);
    if (request.command == vantrel::SendCommand::Help) {
        return Print(vantrel::HelpText());
    }
    if (request.command == vantrel::SendCommand::Version) {
        return Print(vantrel::VersionText());
    }
    const auto result = vantrel::SendToCalculator(request);
    if (const auto* error = std::get_if<vantrel::SendError>(&result)) {
        return Fail(*error);
    }
    return Print(std::get<std::string>(result));
}
