#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

// What vantrel-send is asked to do, read from its arguments. Plain C++, so that the parser
// can be tested and fuzzed without a bus.
namespace vantrel {

// Every failure has an exit status of its own; --help lists them.
enum class ExitCode : int {
    Ok = 0,
    Failed = 1,
    Usage = 2,
    NoCalculator = 3,
    BadAmount = 4,
    TooManyDecimals = 5,
    OutOfRange = 6,
    UnknownOperation = 7,
};

struct SendError {
    ExitCode code = ExitCode::Failed;
    std::string message;
};

// The two 32-bit halves of a message: the low half travels in wParam, the high in lParam.
struct MessageHalves {
    std::uint32_t wParam = 0;
    std::uint32_t lParam = 0;
};

// Decimal text in the C locale: an optional sign, digits, and optionally "." with one to four
// decimals. Gives the amount times 10,000, exactly, within the signed 64-bit range.
std::variant<std::int64_t, SendError> ParseScaledAmount(std::string_view text);

// Two's complement over 64 bits, cut into the halves.
MessageHalves SplitAmount(std::int64_t scaled);

// One half of a message: an unsigned 32-bit number, decimal or 0x hexadecimal.
std::variant<std::uint32_t, SendError> ParseHalf(std::string_view text);

// An operation name, or a number from -2147483648 to 4294967295 (decimal or 0x hex), as the
// wParam it is sent in: negative numbers in two's complement.
std::variant<std::uint32_t, SendError> ParseOperation(std::string_view text);

enum class SendCommand { Help, Version, Input, Operate, Read, Tape, TapeCsv };

struct SendRequest {
    SendCommand command = SendCommand::Help;
    MessageHalves halves;
};

// The arguments after the program's name.
std::variant<SendRequest, SendError> ParseArguments(std::span<const std::string_view> arguments);

std::string_view HelpText();

// "vantrel-send" and the calculator's version, as --version prints it.
std::string VersionText();

}  // namespace vantrel
