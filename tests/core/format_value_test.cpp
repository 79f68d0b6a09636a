#include "core/format_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/rounding.h"

namespace vantrel {
namespace {

const LocaleSeparators kPointLocale{".", ","};
const LocaleSeparators kCommaLocale{",", "."};
// U+202F NARROW NO-BREAK SPACE groups, as in several European locales.
const LocaleSeparators kNarrowSpaceLocale{",", "\u202F"};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct ViewsCase {
    double value;
    int mode;
    const char* display;
    const char* tape;
    const char* memory;
};

class FormatValueViewsTest : public testing::TestWithParam<ViewsCase> {};

TEST_P(FormatValueViewsTest, RendersEachView) {
    const ViewsCase& c = GetParam();
    EXPECT_EQ(FormatValue(c.value, View::Display, c.mode, kPointLocale), c.display);
    EXPECT_EQ(FormatValue(c.value, View::Tape, c.mode, kPointLocale), c.tape);
    EXPECT_EQ(FormatValue(c.value, View::Memory, c.mode, kPointLocale), c.memory);
}

INSTANTIATE_TEST_SUITE_P(ReferenceExamples, FormatValueViewsTest,
                         testing::Values(ViewsCase{1234, 6, "1,234.", "1,234", "1,234."},
                                         ViewsCase{1234.5, 6, "1,234.5", "1,234.5", "1,234.5"},
                                         ViewsCase{1234, 0, "1,234.", "1,234", "1,234."},
                                         ViewsCase{1234, 2, "1,234.00", "1,234.00", "1,234."},
                                         ViewsCase{1.0 / 3.0, 6, "0.33333333333333",
                                                   "0.33333333333333", "0.33333333333333"},
                                         ViewsCase{1.0 / 3.0, 2, "0.33333333333333",
                                                   "0.33333333333333", "0.33333333333333"},
                                         ViewsCase{-2.5, 1, "-2.5", "-2.5", "-2.5"},
                                         ViewsCase{0, 2, "0.00", "0.00", "0."}));

INSTANTIATE_TEST_SUITE_P(
    ModesAndViews, FormatValueViewsTest,
    testing::Values(ViewsCase{12.5, 2, "12.50", "12.50", "12.5"},
                    ViewsCase{0.33, 2, "0.33", "0.33", "0.33"},
                    ViewsCase{0.1 + 0.2, 6, "0.3", "0.3", "0.3"},
                    ViewsCase{7, kAutoAdd2Mode, "7.00", "7.00", "7."},
                    ViewsCase{-1234567.5, 3, "-1,234,567.500", "-1,234,567.500", "-1,234,567.5"},
                    ViewsCase{0.4, 0, "0.4", "0.4", "0.4"}, ViewsCase{1e-20, 6, "0.", "0.", "0."},
                    ViewsCase{123456.125, 4, "123,456.1250", "123,456.1250", "123,456.125"}));

// The sign of a value that rounds away to nothing is dropped: "0.00", never "-0.00".
INSTANTIATE_TEST_SUITE_P(NoSignOnZero, FormatValueViewsTest,
                         testing::Values(ViewsCase{-0.001, 2, "-0.001", "-0.001", "-0.001"},
                                         ViewsCase{-0.0, 2, "0.00", "0.00", "0."},
                                         ViewsCase{-0.0, 6, "0.", "0", "0."},
                                         ViewsCase{-1e-20, 6, "0.", "0.", "0."}));

struct BudgetCase {
    double value;
    View view;
    int mode;
    const char* expected;  // nullptr when the value does not fit
};

class FormatValueBudgetTest : public testing::TestWithParam<BudgetCase> {};

TEST_P(FormatValueBudgetTest, FailsBeyondFifteenDigits) {
    const BudgetCase& c = GetParam();
    const std::optional<std::string> text = FormatValue(c.value, c.view, c.mode, kPointLocale);
    if (c.expected == nullptr) {
        EXPECT_FALSE(text.has_value()) << *text;
    } else {
        EXPECT_EQ(text, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, FormatValueBudgetTest,
    testing::Values(BudgetCase{999999999999999.0, View::Display, 6, "999,999,999,999,999."},
                    BudgetCase{999999999999999.0, View::Tape, 6, "999,999,999,999,999"},
                    BudgetCase{-999999999999999.0, View::Display, 6, "-999,999,999,999,999."},
                    BudgetCase{1e15, View::Display, 6, nullptr},
                    BudgetCase{1e15, View::Tape, 6, nullptr},
                    BudgetCase{1e15, View::Memory, 6, nullptr},
                    BudgetCase{999999999999999.5, View::Display, 6, nullptr},
                    BudgetCase{12345678901.0, View::Display, 4, "12,345,678,901.0000"},
                    BudgetCase{12345678901.0, View::Tape, 4, "12,345,678,901.0000"},
                    BudgetCase{123456789012.0, View::Display, 4, nullptr},
                    BudgetCase{123456789012.0, View::Tape, 4, nullptr},
                    BudgetCase{123456789012.0, View::Memory, 4, "123,456,789,012."},
                    BudgetCase{9999999999999.0, View::Display, 2, "9,999,999,999,999.00"},
                    BudgetCase{1e13, View::Display, 2, nullptr},
                    BudgetCase{1e13, View::Display, kAutoAdd2Mode, nullptr},
                    BudgetCase{1e300, View::Display, 6, nullptr}));

INSTANTIATE_TEST_SUITE_P(NotFinite, FormatValueBudgetTest,
                         testing::Values(BudgetCase{kInfinity, View::Display, 6, nullptr},
                                         BudgetCase{-kInfinity, View::Tape, 6, nullptr},
                                         BudgetCase{std::nan(""), View::Memory, 2, nullptr}));

TEST(FormatValueLocaleTest, UsesTheLocalesSeparators) {
    EXPECT_EQ(FormatValue(1234567.891, View::Display, 6, kCommaLocale), "1.234.567,891");
    EXPECT_EQ(FormatValue(1234567.0, View::Display, 0, kCommaLocale), "1.234.567,");
    EXPECT_EQ(FormatValue(1234567.0, View::Tape, 0, kCommaLocale), "1.234.567");
    EXPECT_EQ(FormatValue(-1234567.891, View::Display, 6, kNarrowSpaceLocale),
              "-1\u202F234\u202F567,891");
    EXPECT_EQ(FormatValue(1234.0, View::Display, 2, kNarrowSpaceLocale), "1\u202F234,00");
    EXPECT_EQ(FormatValue(123.0, View::Display, 2, kNarrowSpaceLocale), "123,00");
}

// The integer digits are counted on the value rounded halves away from zero: a value just
// below a power of ten fits where the one rounding up to it has a digit too many.
TEST(FormatValueBudgetTest, CountsTheIntegerDigitsOfTheValueRoundedHalfAway) {
    struct FitCase {
        double value;
        int mode;
        bool fits;
    };
    const FitCase cases[] = {
        {99999999999.4, 4, true},
        {99999999999.5, 4, false},
        {-99999999999.5, 4, false},
        {9999999999999.4, 2, true},
        {9999999999999.5, 2, false},
        {9999999999999.5, kAutoAdd2Mode, false},
        {99999999999999.4, 1, true},
        {99999999999999.5, 1, false},
        {99999999999999.5, kIntegerMode, true},
        {0.5, 4, true},
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(FormatValue(c.value, View::Display, c.mode, kPointLocale).has_value(), c.fits)
            << c.value << " in mode " << c.mode;
    }
}

struct PatternCase {
    double value;
    NumberPattern pattern;
    const char* expected;
};

class RenderPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(RenderPatternTest, RendersByThePattern) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(RenderPattern(c.value, c.pattern, kPointLocale), c.expected) << c.value;
}

// Formatting rounds the 15-digit decimal image away from zero, unlike the modes' rounding:
// 1.005 is stored below the tie, but its 15-digit image is the tie itself.
INSTANTIATE_TEST_SUITE_P(HalvesAwayFromZero, RenderPatternTest,
                         testing::Values(PatternCase{0.125, {true, 2, 0}, "0.13"},
                                         PatternCase{-0.125, {true, 2, 0}, "-0.13"},
                                         PatternCase{1.005, {true, 2, 0}, "1.01"},
                                         PatternCase{2.5, {false, 0, 0}, "3"},
                                         PatternCase{-2.5, {false, 0, 0}, "-3"},
                                         PatternCase{2.4999, {false, 0, 0}, "2"},
                                         PatternCase{0.0005, {true, 3, 0}, "0.001"},
                                         PatternCase{0.0004999, {true, 3, 0}, "0.000"},
                                         PatternCase{0.00004, {true, 3, 0}, "0.000"},
                                         PatternCase{-0.0004, {true, 3, 0}, "0.000"}));

INSTANTIATE_TEST_SUITE_P(Carries, RenderPatternTest,
                         testing::Values(PatternCase{999.9996, {true, 3, 0}, "1,000.000"},
                                         PatternCase{99999.5, {false, 0, 0}, "100,000"},
                                         PatternCase{-999999.96, {true, 1, 0}, "-1,000,000.0"},
                                         PatternCase{0.96, {true, 1, 0}, "1.0"}));

INSTANTIATE_TEST_SUITE_P(OptionalDecimals, RenderPatternTest,
                         testing::Values(PatternCase{2.0, {true, 1, 3}, "2.0"},
                                         PatternCase{2.5, {true, 1, 3}, "2.5"},
                                         PatternCase{2.25, {true, 1, 3}, "2.25"},
                                         PatternCase{2.12345, {true, 1, 3}, "2.1235"},
                                         PatternCase{2.0, {true, 0, 5}, "2."},
                                         PatternCase{0.1, {true, 0, 20}, "0.1"},
                                         PatternCase{2.0, {true, 0, 0}, "2."},
                                         PatternCase{1.0 / 3.0, {true, 0, 20}, "0.333333333333333"},
                                         PatternCase{0.1 + 0.2, {true, 0, 17}, "0.3"}));

INSTANTIATE_TEST_SUITE_P(
    LargeValues, RenderPatternTest,
    testing::Values(PatternCase{1e20, {true, 2, 0}, "100,000,000,000,000,000,000.00"},
                    PatternCase{123456789012345678.0, {false, 0, 0}, "123,456,789,012,346,000"},
                    PatternCase{1e15, {false, 0, 0}, "1,000,000,000,000,000"}));

TEST(RenderPatternTest, NonFiniteHasNoDigitsToRender) {
    EXPECT_EQ(RenderPattern(kInfinity, {}, kPointLocale), "");
    EXPECT_EQ(RenderPattern(std::nan(""), {}, kPointLocale), "");
}

TEST(RenderPatternTest, WritesMultiByteSeparators) {
    const LocaleSeparators arabic{"\u066B", "\u066C"};
    EXPECT_EQ(RenderPattern(-1234567.25, {true, 2, 0}, arabic), "-1\u066C234\u066C567\u066B25");
}

}  // namespace
}  // namespace vantrel
