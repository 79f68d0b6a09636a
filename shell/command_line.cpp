#include "shell/command_line.h"

#include <algorithm>

#include "vantrel_version.h"

namespace vantrel {
namespace {

std::string VersionLine() {
    return "Vantrel Calculator " + std::string(kVersion) + "\n";
}

std::string HelpText() {
    return VersionLine() + R"(
usage: vantrel-calculator [--no-journal] [--version | --help]

Opens the adding-machine calculator's window with its paper tape. Other programs drive it
over the session bus as org.vantrel.Calculator (see vantrel-send --help); when none runs,
the bus starts one.

  --no-journal  Keep no journal: a crash or a kill loses the tape, as a normal exit does.
  --version     Print the version.
  --help        Print this text.

The settings are kept in $XDG_CONFIG_HOME/Vantrel/Vantrel.conf (~/.config/Vantrel/Vantrel.conf
when the variable is not set), written only by Options > Save Settings. Unless --no-journal
is given, everything the calculator is told is journalled in $XDG_STATE_HOME/Vantrel/
(~/.local/state/Vantrel/), so that a start after a crash, a kill or a power cut shows the tape
and the registers as they were; a normal exit removes the journal.
)";
}

}  // namespace

bool JournalWanted(std::span<const std::string_view> arguments) {
    return std::find(arguments.begin(), arguments.end(), "--no-journal") == arguments.end();
}

std::optional<std::string> CommandLineAnswer(std::span<const std::string_view> arguments) {
    if (arguments.size() != 1) {
        return std::nullopt;
    }
    if (arguments.front() == "--version") {
        return VersionLine();
    }
    if (arguments.front() == "--help" || arguments.front() == "-h") {
        return HelpText();
    }
    return std::nullopt;
}

}  // namespace vantrel
