#include "shell/focus_grid.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace vantrel {
namespace {

// A keypad in miniature, each cell 10 by 10:
//   0 1 2
//   3 4 5      5 is twice as tall, as an Add key is
//   6 7 .      8 spans the first two columns
//   8 8
const std::vector<QRect> kPad{
    {0, 0, 10, 10},   {10, 0, 10, 10}, {20, 0, 10, 10},  {0, 10, 10, 10}, {10, 10, 10, 10},
    {20, 10, 10, 20}, {0, 20, 10, 10}, {10, 20, 10, 10}, {0, 30, 20, 10},
};

TEST(FocusGrid, AnArrowLeadsToTheNearestControlThatSharesTheRowOrColumn) {
    using enum ArrowDirection;
    struct Step {
        std::size_t from;
        ArrowDirection direction;
        std::optional<std::size_t> to;
    };
    const Step steps[] = {
        {0, Right, 1},
        {1, Right, 2},
        {2, Right, std::nullopt},
        {0, Left, std::nullopt},
        {4, Up, 1},
        {4, Down, 7},
        {4, Right, 5},
        {7, Right, 5},
        {5, Left, 4},
        {5, Down, std::nullopt},
        {6, Down, 8},
        {7, Down, 8},
        {8, Up, 6},
        {0, Up, std::nullopt},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(NextInGrid(kPad, step.from, step.direction), step.to)
            << "from " << step.from << " direction " << static_cast<int>(step.direction);
    }
}

TEST(FocusGrid, ReadingOrderGoesByRowsFromTheLeft) {
    const std::vector<QRect> shuffled{kPad[4], kPad[8], kPad[0], kPad[5], kPad[2]};
    EXPECT_EQ(ReadingOrder(shuffled), (std::vector<std::size_t>{2, 4, 0, 3, 1}));
}

}  // namespace
}  // namespace vantrel
