#include "shell/arrow_focus.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <utility>

#include "shell/focus_grid.h"

namespace vantrel {
namespace {

std::optional<ArrowDirection> DirectionOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return ArrowDirection::Left;
        case Qt::Key_Up:
            return ArrowDirection::Up;
        case Qt::Key_Right:
            return ArrowDirection::Right;
        case Qt::Key_Down:
            return ArrowDirection::Down;
        default:
            return std::nullopt;
    }
}

ArrowDirection AlongRow(ArrowDirection direction) {
    return direction == ArrowDirection::Up || direction == ArrowDirection::Left
               ? ArrowDirection::Left
               : ArrowDirection::Right;
}

std::vector<QRect> Places(const std::vector<QWidget*>& controls) {
    std::vector<QRect> places;
    places.reserve(controls.size());
    for (const QWidget* control : controls) {
        places.emplace_back(control->mapTo(control->window(), QPoint(0, 0)), control->size());
    }
    return places;
}

// A disabled key, such as Undo with nothing to undo, is passed over as Tab passes it over.
std::vector<QWidget*> Reachable(const std::vector<QWidget*>& controls, QWidget* focused) {
    std::vector<QWidget*> reachable;
    for (QWidget* control : controls) {
        if (control == focused || (control->isEnabled() && control->isVisible())) {
            reachable.push_back(control);
        }
    }
    return reachable;
}

}  // namespace

void ArrowFocus::AddGrid(std::vector<QWidget*> group) {
    m_groups.push_back({std::move(group), false});
}

void ArrowFocus::AddRow(std::vector<QWidget*> group) {
    m_groups.push_back({std::move(group), true});
}

bool ArrowFocus::Move(int key) const {
    const std::optional<ArrowDirection> direction = DirectionOf(key);
    QWidget* focused = QApplication::focusWidget();
    if (!direction || focused == nullptr) {
        return false;
    }
    for (const Group& group : m_groups) {
        if (std::find(group.controls.begin(), group.controls.end(), focused) ==
            group.controls.end()) {
            continue;
        }
        const std::vector<QWidget*> reachable = Reachable(group.controls, focused);
        const auto from = static_cast<std::size_t>(
            std::find(reachable.begin(), reachable.end(), focused) - reachable.begin());
        const auto next =
            NextInGrid(Places(reachable), from, group.row ? AlongRow(*direction) : *direction);
        if (next) {
            reachable[*next]->setFocus(Qt::OtherFocusReason);
        }
        return true;
    }
    return false;
}

}  // namespace vantrel
