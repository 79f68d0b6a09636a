#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The calculator's few command-line answers, given before any window or display is needed.
// Plain C++: every other argument is left to Qt, as before.
namespace vantrel {

// The text to print on standard output, then exit with status 0, for "--version" or
// "--help" ("-h") given on their own; nothing for any other arguments.
std::optional<std::string> CommandLineAnswer(std::span<const std::string_view> arguments);

// False when "--no-journal" is among the arguments.
bool JournalWanted(std::span<const std::string_view> arguments);

}  // namespace vantrel
