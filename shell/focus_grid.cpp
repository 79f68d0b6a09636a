#include "shell/focus_grid.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace vantrel {
namespace {

bool Horizontal(ArrowDirection direction) {
    return direction == ArrowDirection::Left || direction == ArrowDirection::Right;
}

// How far `to` lies beyond `from` in the direction, edge to centre; not beyond when <= 0.
int Distance(const QRect& from, const QRect& to, ArrowDirection direction) {
    switch (direction) {
        case ArrowDirection::Left:
            return from.center().x() - to.center().x();
        case ArrowDirection::Right:
            return to.center().x() - from.center().x();
        case ArrowDirection::Up:
            return from.center().y() - to.center().y();
        case ArrowDirection::Down:
            return to.center().y() - from.center().y();
    }
    return 0;
}

bool SharesLine(const QRect& from, const QRect& to, ArrowDirection direction) {
    if (Horizontal(direction)) {
        return to.top() <= from.bottom() && from.top() <= to.bottom();
    }
    return to.left() <= from.right() && from.left() <= to.right();
}

}  // namespace

std::optional<std::size_t> NextInGrid(const std::vector<QRect>& places, std::size_t from,
                                      ArrowDirection direction) {
    std::optional<std::size_t> best;
    int bestDistance = 0;
    for (std::size_t k = 0; k < places.size(); ++k) {
        const int distance = Distance(places[from], places[k], direction);
        if (k == from || distance <= 0 || !SharesLine(places[from], places[k], direction)) {
            continue;
        }
        if (!best || distance < bestDistance) {
            best = k;
            bestDistance = distance;
        }
    }
    return best;
}

std::vector<std::size_t> ReadingOrder(const std::vector<QRect>& places) {
    std::vector<std::size_t> order(places.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::pair{places[a].top(), places[a].left()} <
               std::pair{places[b].top(), places[b].left()};
    });
    return order;
}

}  // namespace vantrel
