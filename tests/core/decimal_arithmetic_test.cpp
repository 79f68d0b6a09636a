#include "core/decimal_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vantrel {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The largest 15-digit value within 2^96 - 1 = 79,228,162,514,264,337,593,543,950,335.
constexpr double kLargestOperand = 7.92281625142643e28;

struct SumCase {
    double acc;
    double operand;
    double expected;
};

class DecimalAddTest : public testing::TestWithParam<SumCase> {};

TEST_P(DecimalAddTest, IsTheNearestDoubleToTheExactDecimalSum) {
    const SumCase& c = GetParam();
    EXPECT_EQ(DecimalAdd(c.acc, c.operand), c.expected) << c.acc << " + " << c.operand;
}

INSTANTIATE_TEST_SUITE_P(NoBinaryDrift, DecimalAddTest,
                         testing::Values(SumCase{0.1, 0.2, 0.3}, SumCase{0.7, 0.1, 0.8},
                                         SumCase{1.1, 2.2, 3.3}, SumCase{123.45, -123.44, 0.01},
                                         SumCase{1e15, 0.3, 1000000000000000.2},
                                         SumCase{19.99, 0.01, 20.0}, SumCase{-0.1, -0.2, -0.3},
                                         SumCase{-5.0, 3.0, -2.0}, SumCase{2.5, -2.5, 0.0}));

// Each operand is first taken to 15 significant digits.
INSTANTIATE_TEST_SUITE_P(FifteenDigitOperands, DecimalAddTest,
                         testing::Values(SumCase{1.0 / 3.0, 1.0 / 3.0, 0.666666666666666},
                                         SumCase{0.1234567890123456789, 0.0, 0.123456789012346},
                                         SumCase{0.0, 1234567890123456789.0, 1.23456789012346e18},
                                         SumCase{0.0, 0.0, 0.0}));

// Places beyond the 28th are rounded off, halves to even.
INSTANTIATE_TEST_SUITE_P(TwentyEightPlaces, DecimalAddTest,
                         testing::Values(SumCase{1e-30, 0.0, 0.0}, SumCase{5e-29, 0.0, 0.0},
                                         SumCase{1.5e-28, 0.0, 2e-28}, SumCase{2.5e-28, 0.0, 2e-28},
                                         SumCase{1.23456789012345e-20, 0.0, 1.23456789e-20},
                                         SumCase{1.234567895e-20, 0.0, 1.2345679e-20},
                                         SumCase{1.234567885e-20, 0.0, 1.23456788e-20}));

// 142442772069491e3 and 212791799491176e4 lie exactly halfway between two doubles, so the
// smallest addend decides the direction; both the aligned sum (gap of 23 places or less) and
// the far-apart digit string (more than 23) have to carry it.
INSTANTIATE_TEST_SUITE_P(
    HalfwayBetweenDoubles, DecimalAddTest,
    testing::Values(SumCase{2.12791799491176e18, 0.0, 2.12791799491176e18},
                    SumCase{2.12791799491176e18, 1e-19, 2.1279179949117601e18},
                    SumCase{2.12791799491176e18, 1e-21, 2.1279179949117601e18},
                    SumCase{2.12791799491176e18, 1.23456789012345e-14, 2.1279179949117601e18},
                    SumCase{-2.12791799491176e18, -1e-21, -2.1279179949117601e18},
                    SumCase{1.42442772069491e17, 0.0, 1.42442772069491e17},
                    SumCase{1.42442772069491e17, -1e-20, 1.4244277206949099e17},
                    SumCase{1.42442772069491e17, -1e-21, 1.4244277206949099e17},
                    SumCase{-1e-21, 1.42442772069491e17, 1.4244277206949099e17},
                    SumCase{1e10, 1.23456789012345e-14, 1e10}));

TEST(DecimalAddTest, CentsAddUpWithoutDrift) {
    double total = 0.0;
    for (int i = 0; i < 10000; ++i) {
        total = DecimalAdd(total, 0.01).value();
    }
    EXPECT_EQ(total, 100.0);
}

TEST(DecimalSubtractTest, SubtractsWithSigns) {
    const SumCase cases[] = {{5.0, 3.0, 2.0},      {3.0, 5.0, -2.0},   {5.0, -3.0, 8.0},
                             {-5.0, 3.0, -8.0},    {-5.0, -3.0, -2.0}, {0.3, 0.1, 0.2},
                             {100.0, 0.01, 99.99}, {0.0, 0.0, 0.0}};
    for (const SumCase& c : cases) {
        EXPECT_EQ(DecimalSubtract(c.acc, c.operand), c.expected) << c.acc << " - " << c.operand;
    }
}

TEST(DecimalSubtractTest, EqualValuesGiveUnsignedZero) {
    const std::optional<double> zero = DecimalSubtract(-7.25, -7.25);
    ASSERT_TRUE(zero.has_value());
    EXPECT_FALSE(std::signbit(*zero));
    EXPECT_FALSE(std::signbit(DecimalSubtract(0.0, 0.0).value()));
}

struct RangeCase {
    double acc;
    double operand;
    bool fits;
};

class DecimalRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(DecimalRangeTest, FailsBeyondTheNinetySixBitRange) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(DecimalAdd(c.acc, c.operand).has_value(), c.fits) << c.acc << " + " << c.operand;
    EXPECT_EQ(DecimalSubtract(-c.acc, c.operand).has_value(), c.fits)
        << -c.acc << " - " << c.operand;
}

INSTANTIATE_TEST_SUITE_P(
    Operands, DecimalRangeTest,
    testing::Values(RangeCase{kLargestOperand, 0.0, true},
                    RangeCase{7.92281625142644e28, 0.0, false},
                    RangeCase{0.0, 7.92281625142644e28, false},
                    RangeCase{0x1p96, 0.0, true},  // its 15-digit image is kLargestOperand
                    RangeCase{1e29, 0.0, false}, RangeCase{5e28, 0.0, true},
                    RangeCase{1e300, -1e300, false}, RangeCase{kInfinity, 1.0, false},
                    RangeCase{1.0, -kInfinity, false}, RangeCase{std::nan(""), 1.0, false},
                    RangeCase{1.0, std::nan(""), false}));

INSTANTIATE_TEST_SUITE_P(Results, DecimalRangeTest,
                         testing::Values(RangeCase{kLargestOperand, 37593543950335.0, true},
                                         RangeCase{kLargestOperand, 37593543950334.5, true},
                                         RangeCase{kLargestOperand, 37593543950335.5, false},
                                         RangeCase{kLargestOperand, 4e13, false},
                                         RangeCase{kLargestOperand, kLargestOperand, false},
                                         RangeCase{kLargestOperand, -kLargestOperand, true},
                                         RangeCase{kLargestOperand, 0.5, true},
                                         RangeCase{kLargestOperand, 1.23456789012345e-14, true},
                                         RangeCase{4e28, 3.9e28, true},
                                         RangeCase{4e28, 4e28, false}));

TEST(DecimalRangeTest, LargestSumKeepsItsValue) {
    EXPECT_EQ(DecimalAdd(kLargestOperand, 37593543950335.0), 0x1p96);
    EXPECT_EQ(DecimalAdd(0x1p96, 0.0), kLargestOperand);
}

}  // namespace
}  // namespace vantrel
