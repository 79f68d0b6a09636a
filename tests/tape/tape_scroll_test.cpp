#include "tape/tape_scroll.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

namespace vantrel {
namespace {

TEST(TapeScroll, TheMaximumCountsTheRowsTheTapeReachesBelowTheView) {
    struct Case {
        std::int64_t nextY;
        double viewHeight;
        std::int32_t lineHeight;
        std::optional<int> rows;
    };
    const std::vector<Case> cases = {
        {240, 3600, 240, std::nullopt},  // an empty tape
        {3479, 3600, 240, std::nullopt},
        {3480, 3600, 240, 0},  // ends exactly at the bottom edge: scrolled, to row 0
        {3840, 3600, 240, 2},  // 360 twips: 1.5 rows
        {4080, 3600, 240, 2},  // 600 twips: 2.5 rows
        // Half a row of 255 is 127.5 twips: 382.5 goes to 382 (1.498 rows), 637.5 to 638.
        {4065 + 255, 4065, 255, 1},
        {4065 + 510, 4065, 255, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowsBelowView(c.nextY, c.viewHeight, c.lineHeight), c.rows)
            << c.nextY << " in " << c.viewHeight;
    }
    EXPECT_EQ(RowsBelowView(std::int64_t{240} * 40'000, 600, 240), 39'998);
    EXPECT_THROW(RowsBelowView(std::int64_t{3'000'000'000'000}, 600, 240), std::overflow_error);
}

TEST(TapeScroll, APageIsTheViewLessOneRowRoundedAndStopsAtTheEnds) {
    EXPECT_EQ(PageRows(3600, 240), 14);
    EXPECT_EQ(PageRows(4065, 255), 15);  // 14.94
    EXPECT_EQ(PageRows(3720, 240), 14);  // 14.5
    EXPECT_EQ(PageRows(3960, 240), 16);  // 15.5

    EXPECT_EQ(MovedPosition(5, -14, 100), 0);
    EXPECT_EQ(MovedPosition(50, -14, 100), 36);
    EXPECT_EQ(MovedPosition(95, 14, 100), 100);
}

TEST(TapeScroll, TheTroughStepIsTheWholeRowsInViewLessOne) {
    EXPECT_EQ(TroughStep(4065, 255), 14);
    EXPECT_EQ(TroughStep(3960, 240), 15);  // unlike a page, 16.5 rows count as 16
    EXPECT_EQ(TroughStep(300, 255), 1);
}

}  // namespace
}  // namespace vantrel
