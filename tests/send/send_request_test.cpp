#include "tools/send/send_request.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace vantrel {
namespace {

ExitCode ErrorCode(const auto& parsed) {
    const auto* error = std::get_if<SendError>(&parsed);
    return error == nullptr ? ExitCode::Ok : error->code;
}

TEST(SendAmount, DecimalTextBecomesTheExactScaledInteger) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const struct {
        const char* text;
        std::int64_t scaled;
    } rows[] = {
        {"1250.75", 12'507'500},
        {"0.0001", 1},
        {"+7", 70'000},
        {"007.5", 75'000},
        {"922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
        {"-922337203685477.5808", kMin},
        {"123456789012.3456", 1'234'567'890'123'456},
    };
    for (const auto& row : rows) {
        const auto parsed = ParseScaledAmount(row.text);
        ASSERT_EQ(ErrorCode(parsed), ExitCode::Ok) << row.text;
        EXPECT_EQ(std::get<std::int64_t>(parsed), row.scaled) << row.text;
    }
}

TEST(SendAmount, RefusalsNameTheirReason) {
    const struct {
        const char* text;
        ExitCode code;
    } rows[] = {
        {"1e3", ExitCode::BadAmount},
        {"1,000", ExitCode::BadAmount},
        {"", ExitCode::BadAmount},
        {".5", ExitCode::BadAmount},
        {"5.", ExitCode::BadAmount},
        {"0x10", ExitCode::BadAmount},
        {"1.2345x", ExitCode::BadAmount},
        {"1.23456", ExitCode::TooManyDecimals},
        {"922337203685477.5808", ExitCode::OutOfRange},
        {"-922337203685477.5809", ExitCode::OutOfRange},
        {"99999999999999999999999999", ExitCode::OutOfRange},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ErrorCode(ParseScaledAmount(row.text)), row.code) << row.text;
    }
}

TEST(SendAmount, HalvesAreTheLowAndHighWordsOfTwosComplement) {
    EXPECT_EQ(SplitAmount(-50'000).wParam, 4'294'917'296u);
    EXPECT_EQ(SplitAmount(-50'000).lParam, 0xFFFFFFFFu);
    EXPECT_EQ(SplitAmount(std::int64_t{1} << 32).lParam, 1u);
    EXPECT_EQ(SplitAmount(std::numeric_limits<std::int64_t>::min()).lParam, 0x80000000u);
}

TEST(SendOperation, NamesNumbersAndTheirLimits) {
    const struct {
        const char* text;
        ExitCode code;
        std::uint32_t wParam;
    } rows[] = {
        {"subtract", ExitCode::Ok, 1},
        {"clear", ExitCode::Ok, 12},
        {"-1", ExitCode::Ok, 0xFFFFFFFF},
        {"65535", ExitCode::Ok, 65535},
        {"0x12345678", ExitCode::Ok, 0x12345678},
        {"4294967295", ExitCode::Ok, 0xFFFFFFFF},
        {"-2147483648", ExitCode::Ok, 0x80000000},
        {"4294967296", ExitCode::OutOfRange, 0},
        {"-2147483649", ExitCode::OutOfRange, 0},
        {"Add", ExitCode::UnknownOperation, 0},
        {"0x", ExitCode::UnknownOperation, 0},
    };
    for (const auto& row : rows) {
        const auto parsed = ParseOperation(row.text);
        ASSERT_EQ(ErrorCode(parsed), row.code) << row.text;
        if (row.code == ExitCode::Ok) {
            EXPECT_EQ(std::get<std::uint32_t>(parsed), row.wParam) << row.text;
        }
    }
}

TEST(SendArguments, CommandsAndTheirArgumentCounts) {
    using Args = std::vector<std::string_view>;
    const struct {
        Args arguments;
        ExitCode code;
        SendCommand command;
    } rows[] = {
        {{"--help"}, ExitCode::Ok, SendCommand::Help},
        {{"--version"}, ExitCode::Ok, SendCommand::Version},
        {{"input", "-5"}, ExitCode::Ok, SendCommand::Input},
        {{"operate", "add"}, ExitCode::Ok, SendCommand::Operate},
        {{"tape"}, ExitCode::Ok, SendCommand::Tape},
        {{"tape", "--csv"}, ExitCode::Ok, SendCommand::TapeCsv},
        {{}, ExitCode::Usage, SendCommand::Help},
        {{"push", "5"}, ExitCode::Usage, SendCommand::Help},
        {{"input"}, ExitCode::Usage, SendCommand::Help},
        {{"tape", "--json"}, ExitCode::Usage, SendCommand::Help},
        {{"--help", "input"}, ExitCode::Usage, SendCommand::Help},
        {{"--version", "read"}, ExitCode::Usage, SendCommand::Help},
        {{"input-raw", "1", "-1"}, ExitCode::BadAmount, SendCommand::Help},
    };
    for (const auto& row : rows) {
        const auto parsed = ParseArguments(row.arguments);
        const std::string shown = row.arguments.empty() ? "" : std::string(row.arguments[0]);
        ASSERT_EQ(ErrorCode(parsed), row.code) << shown;
        if (row.code == ExitCode::Ok) {
            EXPECT_EQ(std::get<SendRequest>(parsed).command, row.command) << shown;
        }
    }
    const auto raw = std::get<SendRequest>(ParseArguments(Args{"input-raw", "0x3A98", "1"}));
    EXPECT_EQ(raw.halves.wParam, 15'000u);
    EXPECT_EQ(raw.halves.lParam, 1u);
}

}  // namespace
}  // namespace vantrel
