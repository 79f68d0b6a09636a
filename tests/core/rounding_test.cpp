#include "core/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vantrel {
namespace {

TEST(FixedDecimalsTest, FollowsTheModeTable) {
    const int expected[kRoundModeCount] = {0, 1, 2, 3, 4, 2, 0};
    for (int mode = 0; mode < kRoundModeCount; ++mode) {
        EXPECT_EQ(FixedDecimals(mode), expected[mode]) << "mode " << mode;
    }
}

TEST(FixedDecimalsTest, UnknownModeShowsNoFixedDecimals) {
    EXPECT_EQ(FixedDecimals(-1), 0);
    EXPECT_EQ(FixedDecimals(kRoundModeCount), 0);
}

struct PlacesCase {
    double value;
    int places;
    double expected;
};

class RoundToPlacesTest : public testing::TestWithParam<PlacesCase> {};

TEST_P(RoundToPlacesTest, RoundsHalvesToEvenOnTheScaledValue) {
    const PlacesCase& c = GetParam();
    EXPECT_EQ(RoundToPlaces(c.value, c.places), c.expected)
        << c.value << " to " << c.places << " places";
}

INSTANTIATE_TEST_SUITE_P(Ties, RoundToPlacesTest,
                         testing::Values(PlacesCase{0.125, 2, 0.12}, PlacesCase{0.375, 2, 0.38},
                                         PlacesCase{2.5, 0, 2.0}, PlacesCase{3.5, 0, 4.0},
                                         PlacesCase{-2.5, 0, -2.0}, PlacesCase{-3.5, 0, -4.0},
                                         PlacesCase{0.5, 0, 0.0}, PlacesCase{1.5, 0, 2.0},
                                         PlacesCase{0.25, 1, 0.2}, PlacesCase{0.75, 1, 0.8},
                                         PlacesCase{-0.125, 2, -0.12}));

INSTANTIATE_TEST_SUITE_P(NonTies, RoundToPlacesTest,
                         testing::Values(PlacesCase{1.0 / 3.0, 2, 0.33},
                                         PlacesCase{2.0 / 3.0, 4, 0.6667},
                                         PlacesCase{1234.5678, 3, 1234.568},
                                         PlacesCase{-1234.5678, 1, -1234.6},
                                         PlacesCase{0.49999, 0, 0.0}, PlacesCase{2.51, 0, 3.0},
                                         PlacesCase{-2.51, 0, -3.0}, PlacesCase{7.0, 4, 7.0}));

// Both are stored just below the tie; 1.005 * 100 stays below it, 2.675 * 100 lands on 267.5.
INSTANTIATE_TEST_SUITE_P(ScaledDoubleDecides, RoundToPlacesTest,
                         testing::Values(PlacesCase{1.005, 2, 1.0}, PlacesCase{2.675, 2, 2.68}));

TEST(RoundToPlacesTest, HugeValuesAreAlreadyWholeAndStayFinite) {
    const double cases[] = {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                            1e300, 4503599627370497.0};
    for (const double value : cases) {
        for (int places = 0; places <= 4; ++places) {
            EXPECT_EQ(RoundToPlaces(value, places), value) << value << " places " << places;
        }
    }
}

TEST(RoundToPlacesTest, TiesJustBelowTheWholeLimitStillRound) {
    EXPECT_EQ(RoundToPlaces(1e15 + 0.5, 0), 1e15);
    EXPECT_EQ(RoundToPlaces(1e15 + 1.5, 0), 1e15 + 2.0);
}

TEST(RoundToPlacesTest, NonFiniteValuesPassThrough) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundToPlaces(infinity, 2), infinity);
    EXPECT_EQ(RoundToPlaces(-infinity, 0), -infinity);
    EXPECT_TRUE(std::isnan(RoundToPlaces(std::nan(""), 2)));
}

TEST(RoundByModeTest, RoundsByTheModesPlaces) {
    const double value = 2.71828;
    const double expected[kRoundModeCount] = {3.0, 2.7, 2.72, 2.718, 2.7183, 2.72, value};
    for (int mode = 0; mode < kRoundModeCount; ++mode) {
        EXPECT_EQ(RoundByMode(value, mode), expected[mode]) << "mode " << mode;
    }
}

TEST(RoundByModeTest, TiesGoToEvenInTwoPlaceModes) {
    for (const int mode : {2, kAutoAdd2Mode}) {
        EXPECT_EQ(RoundByMode(1.0 / 8.0, mode), 0.12);
        EXPECT_EQ(RoundByMode(3.0 / 8.0, mode), 0.38);
    }
}

}  // namespace
}  // namespace vantrel
