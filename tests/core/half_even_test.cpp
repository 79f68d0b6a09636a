#include "core/half_even.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "core/powers_of_ten.h"
#include "core/twips.h"

namespace vantrel {
namespace {

constexpr double kTwoTo52 = 4503599627370496.0;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct HalfEvenCase {
    double value;
    double rounded;
};

const std::vector<HalfEvenCase> kCases = {
    {2.5, 2},
    {3.5, 4},
    {0.5, 0},
    {-0.5, 0},
    {-1.5, -2},
    {-2.5, -2},
    {187.5, 188},
    {188.5, 188},
    {195.5, 196},
    {7.4, 7},
    {-7.6, -8},
    {0.49999999999999994, 0},                // the double just below a half
    {2251799813685248.5, 2251799813685248},  // 2^51 + 0.5: the largest values with halves
    {2251799813685249.5, 2251799813685250},
    {kTwoTo52 + 1, kTwoTo52 + 1},
    {-(kTwoTo52 + 3), -(kTwoTo52 + 3)},
    {1e300, 1e300},
    {kInfinity, kInfinity},
    {-kInfinity, -kInfinity},
};

class RoundingDirection : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override { ASSERT_EQ(std::fesetround(GetParam()), 0); }
    void TearDown() override { std::fesetround(FE_TONEAREST); }
};

TEST_P(RoundingDirection, SendsHalvesToTheEvenNeighbourWhateverTheDirection) {
    for (const HalfEvenCase& c : kCases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << std::to_string(c.value);
    }
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
    // Measures on half a pixel, and the scale of a screen of 192 dots per inch: 7.5 twips.
    EXPECT_EQ(TwipsToPixels(90, 12), 8);
    EXPECT_EQ(TwipsToPixels(78, 12), 6);
    EXPECT_EQ(TwipsToPixels(-90, 12), -8);
    EXPECT_EQ(RoundHalfEvenTo<int>(kTwipsPerInch / 192), 8);
}

INSTANTIATE_TEST_SUITE_P(HalfEven, RoundingDirection,
                         ::testing::Values(FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO));

// Screen rows and pixels were rounded with std::nearbyint before; the whole numbers must stay.
TEST(HalfEven, AgreesWithTheLibraryUnderTheDefaultDirection) {
    for (const HalfEvenCase& c : kCases) {
        EXPECT_EQ(RoundHalfEven(c.value), std::nearbyint(c.value)) << std::to_string(c.value);
    }
    for (double value = -4096.0; value <= 4096.0; value += 0.125) {
        ASSERT_EQ(RoundHalfEven(value), std::nearbyint(value)) << value;
        ASSERT_EQ(RoundHalfEven(value + kTwoTo52 / 8), std::nearbyint(value + kTwoTo52 / 8))
            << value;
    }
}

TEST(PowersOfTen, EveryEntryIsTheExactPower) {
    for (std::size_t n = 0; n < kExactDoublePowersOfTen.size(); ++n) {
        const std::string exact = "1e" + std::to_string(n);
        EXPECT_EQ(kExactDoublePowersOfTen[n], std::strtod(exact.c_str(), nullptr)) << exact;
    }
    EXPECT_EQ(kIntegerPowersOfTen.front(), 1u);
    EXPECT_EQ(kIntegerPowersOfTen[15], 1'000'000'000'000'000u);
    EXPECT_EQ(kIntegerPowersOfTen.back(), 10'000'000'000'000'000'000u);
}

}  // namespace
}  // namespace vantrel
