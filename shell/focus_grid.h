#pragma once

#include <QRect>
#include <optional>
#include <vector>

namespace vantrel {

enum class ArrowDirection { Left, Up, Right, Down };

// The control an arrow leads to from `from` among controls laid out on a grid, by their places:
// the nearest one beyond it in that direction that shares part of its row (or column), so a
// key twice as tall or wide is reached from either of its neighbours. None at the grid's edge.
std::optional<std::size_t> NextInGrid(const std::vector<QRect>& places, std::size_t from,
                                      ArrowDirection direction);

// The controls in reading order: by their tops, and those level from the left.
std::vector<std::size_t> ReadingOrder(const std::vector<QRect>& places);

}  // namespace vantrel
