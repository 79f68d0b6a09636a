#include "commands/amount_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace vantrel {
namespace {

const LocaleSeparators kPointLocale{".", ","};
const LocaleSeparators kCommaLocale{",", "."};
// U+00A0 NO-BREAK SPACE groups, as in several European locales.
const LocaleSeparators kNoBreakSpaceLocale{",", "\u00A0"};

struct ParseCase {
    const char* text;
    double expected;
};

class ParseAmountTextTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseAmountTextTest, ReadsTheNumberInAPointLocale) {
    EXPECT_EQ(ParseAmountText(GetParam().text, kPointLocale), GetParam().expected)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    PlainNumbers, ParseAmountTextTest,
    testing::Values(ParseCase{"1234", 1234.0}, ParseCase{"0", 0.0}, ParseCase{"-5", -5.0},
                    ParseCase{"+5", 5.0}, ParseCase{"12.5", 12.5}, ParseCase{".5", 0.5},
                    ParseCase{"5.", 5.0}, ParseCase{"-.25", -0.25}, ParseCase{"007", 7.0},
                    ParseCase{"0.1", 0.1},
                    ParseCase{"123456789012345678901234567890", 1.2345678901234568e29}));

INSTANTIATE_TEST_SUITE_P(BlanksAround, ParseAmountTextTest,
                         testing::Values(ParseCase{"  1,234.50  ", 1234.5},
                                         ParseCase{"\t42\r\n", 42.0},
                                         ParseCase{"\n-3.75 ", -3.75}));

INSTANTIATE_TEST_SUITE_P(Grouping, ParseAmountTextTest,
                         testing::Values(ParseCase{"1,234.50", 1234.5},
                                         ParseCase{"1,234,567", 1234567.0},
                                         ParseCase{"-12,345", -12345.0},
                                         ParseCase{"999,999.999", 999999.999},
                                         ParseCase{"1,000e3", 1e6}));

INSTANTIATE_TEST_SUITE_P(
    Exponents, ParseAmountTextTest,
    testing::Values(ParseCase{"1e3", 1000.0}, ParseCase{"1E3", 1000.0}, ParseCase{"1.5e+2", 150.0},
                    ParseCase{"-2.5E-3", -0.0025}, ParseCase{"1e0000000000000000000000003", 1000.0},
                    ParseCase{"1.7976931348623157e308", 1.7976931348623157e308}));

// Too small for a double: taken as zero rather than refused.
INSTANTIATE_TEST_SUITE_P(Underflow, ParseAmountTextTest,
                         testing::Values(ParseCase{"1e-400", 0.0}, ParseCase{"-1e-400", 0.0},
                                         ParseCase{"0.0000001e-330", 0.0},
                                         ParseCase{"1e-99999999999999999999", 0.0},
                                         ParseCase{"123e-1000", 0.0}));

class ParseAmountTextRefusalTest : public testing::TestWithParam<const char*> {};

TEST_P(ParseAmountTextRefusalTest, RefusesWhatIsNotANumberAsAWhole) {
    EXPECT_EQ(ParseAmountText(GetParam(), kPointLocale), std::nullopt) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(NotNumbers, ParseAmountTextRefusalTest,
                         testing::Values("", "   ", "\t\r\n", ".", "-", "+", "-.", "inf", "-inf",
                                         "nan", "infinity", "NaN", "0x1A", "12abc", "abc", "1.2.3",
                                         "1..2", "--5", "+-5", "5-", "1 234", "- 5", "1e", "1e+",
                                         "e5", ".e5", "1.5f", "١٢٣"));

INSTANTIATE_TEST_SUITE_P(MisplacedGrouping, ParseAmountTextRefusalTest,
                         testing::Values("12,34", ",123", "1,", "1,234,", "1234,567", "1,2345",
                                         "1,23,456", "1,,234", ".5,000", "1.234,5", "-,123"));

INSTANTIATE_TEST_SUITE_P(Overflow, ParseAmountTextRefusalTest,
                         testing::Values("1e400", "-1e400", "1.7976931348623159e308",
                                         "1e99999999999999999999", "0.0001e313"));

TEST(ParseAmountTextLocaleTest, CommaDecimalLocale) {
    EXPECT_EQ(ParseAmountText("1.234,50", kCommaLocale), 1234.5);
    EXPECT_EQ(ParseAmountText("-0,75", kCommaLocale), -0.75);
    EXPECT_EQ(ParseAmountText("1.234.567", kCommaLocale), 1234567.0);
    EXPECT_EQ(ParseAmountText("1,5e2", kCommaLocale), 150.0);
    EXPECT_EQ(ParseAmountText("1,234.50", kCommaLocale), std::nullopt);
    EXPECT_EQ(ParseAmountText("1.5", kCommaLocale), std::nullopt);
    EXPECT_EQ(ParseAmountText("12.34", kCommaLocale), std::nullopt);
}

TEST(ParseAmountTextLocaleTest, MultiByteGroupingCharacter) {
    EXPECT_EQ(ParseAmountText("1\u00A0234\u00A0567,25", kNoBreakSpaceLocale), 1234567.25);
    EXPECT_EQ(ParseAmountText(" 12\u00A0345 ", kNoBreakSpaceLocale), 12345.0);
    EXPECT_EQ(ParseAmountText("12\u00A034", kNoBreakSpaceLocale), std::nullopt);
    // Half of the two-byte character is not a separator.
    EXPECT_EQ(ParseAmountText("1\xC2"
                              "234",
                              kNoBreakSpaceLocale),
              std::nullopt);
    EXPECT_EQ(ParseAmountText("1 234", kNoBreakSpaceLocale), std::nullopt);
}

TEST(ParseAmountTextLocaleTest, GroupingEqualToTheDecimalSeparatorIsNotGrouping) {
    const LocaleSeparators same{".", "."};
    EXPECT_EQ(ParseAmountText("1.234", same), 1.234);
    EXPECT_EQ(ParseAmountText("1.234.567", same), std::nullopt);
}

struct MessageCase {
    std::uint32_t wParam;
    std::uint32_t lParam;
    const char* expected;
};

class AmountMessageTextTest : public testing::TestWithParam<MessageCase> {};

TEST_P(AmountMessageTextTest, WritesTheScaledAmountInPlainDecimal) {
    const MessageCase& c = GetParam();
    EXPECT_EQ(AmountMessageText(c.wParam, c.lParam, "."), c.expected)
        << c.wParam << ", " << c.lParam;
}

constexpr std::uint32_t kAllBits = 0xFFFFFFFFu;

INSTANTIATE_TEST_SUITE_P(
    Positive, AmountMessageTextTest,
    testing::Values(MessageCase{15000, 0, "1.5"}, MessageCase{10000, 0, "1"},
                    MessageCase{0, 0, "0"}, MessageCase{5, 0, "0.0005"},
                    MessageCase{50, 0, "0.005"}, MessageCase{1230, 0, "0.123"},
                    MessageCase{987654321, 0, "98765.4321"}, MessageCase{0, 1, "429496.7296"},
                    MessageCase{kAllBits, 0x7FFFFFFFu, "922337203685477.5807"}));

INSTANTIATE_TEST_SUITE_P(Negative, AmountMessageTextTest,
                         testing::Values(MessageCase{kAllBits - 50000 + 1, kAllBits, "-5"},
                                         MessageCase{kAllBits, kAllBits, "-0.0001"},
                                         MessageCase{kAllBits - 15000 + 1, kAllBits, "-1.5"},
                                         MessageCase{0, 0x80000000u, "-922337203685477.5808"}));

TEST(AmountMessageTextTest, UsesTheGivenSeparator) {
    EXPECT_EQ(AmountMessageText(15000, 0, ","), "1,5");
    EXPECT_EQ(AmountMessageText(987654321, 0, "\u066B"), "98765\u066B4321");
    EXPECT_EQ(AmountMessageText(20000, 0, ","), "2");
}

TEST(AmountMessageTextTest, ReadsBackAsTheSameAmount) {
    const MessageCase cases[] = {{15000, 0, nullptr},
                                 {5, 0, nullptr},
                                 {0, 1, nullptr},
                                 {kAllBits - 50000 + 1, kAllBits, nullptr}};
    for (const MessageCase& c : cases) {
        const auto amount = static_cast<std::int64_t>((std::uint64_t{c.lParam} << 32) | c.wParam);
        const std::optional<double> value =
            ParseAmountText(AmountMessageText(c.wParam, c.lParam, ","), kCommaLocale);
        ASSERT_TRUE(value.has_value());
        EXPECT_DOUBLE_EQ(*value, static_cast<double>(amount) / 10000.0);
    }
}

}  // namespace
}  // namespace vantrel
