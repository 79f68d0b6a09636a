#include "tape/qt/tape_accessible.h"

#include <iterator>

#include "tape/qt/calc_tape.h"
#include "tape/qt/tape_line_accessible.h"

namespace vantrel {
namespace {

constexpr int kMostLinesAnnouncedGone = 200;

QAccessibleInterface* CreateTapeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(CalcTape::staticMetaObject.className())) {
        return new TapeAccessible(static_cast<CalcTape*>(object));
    }
    return nullptr;
}

}  // namespace

TapeAccessible::TapeAccessible(CalcTape* tape) : QAccessibleWidget(tape, QAccessible::List) {}

TapeAccessible::~TapeAccessible() {
    for (const auto& [index, id] : m_lines) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

const CalcTape& TapeAccessible::Tape() const {
    return *static_cast<const CalcTape*>(widget());
}

int TapeAccessible::childCount() const {
    return Tape().CurrentLine();
}

QAccessibleInterface* TapeAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    if (const auto known = m_lines.find(index); known != m_lines.end()) {
        return QAccessible::accessibleInterface(known->second);
    }
    auto* line = new TapeLineAccessible(const_cast<TapeAccessible&>(*this), index);
    m_lines.emplace(index, QAccessible::registerAccessibleInterface(line));
    return line;
}

int TapeAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* line = dynamic_cast<const TapeLineAccessible*>(child);
    if (line == nullptr || line->parent() != this || line->Index() >= childCount()) {
        return -1;
    }
    return line->Index();
}

// The lines are not widgets, and looking through every one of a long tape would be slow.
QAccessibleInterface* TapeAccessible::childAt(int, int) const {
    return nullptr;
}

QAccessible::State TapeAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

QAccessibleInterface* TapeAccessible::focusChild() const {
    const std::int32_t focused = Tape().FocusedLine();
    return focused > 0 ? child(focused - 1) : nullptr;
}

void TapeAccessible::TellLineFocused(int index) {
    if (child(index) != nullptr) {
        QAccessibleEvent focused(widget(), QAccessible::Focus);
        focused.setChild(index);
        QAccessible::updateAccessibility(&focused);
    }
}

void TapeAccessible::TellLinesAdded(std::int32_t before) {
    for (std::int32_t index = before; index < childCount(); ++index) {
        QAccessibleEvent created(widget(), QAccessible::ObjectCreated);
        created.setChild(index);
        QAccessible::updateAccessibility(&created);
    }
}

// Newest first, as many as an undo takes away and more; the rest go quietly, for each
// announcement costs a message on the bus and New on a long tape must stay quick. The list's
// count and lines are read from the tape each time, so a quiet line is simply no longer there.
void TapeAccessible::TellLinesRemoving(std::int32_t count) {
    const auto first = m_lines.lower_bound(count);
    int announced = 0;
    for (auto line = m_lines.rbegin(); line != std::make_reverse_iterator(first); ++line) {
        QAccessibleInterface* gone = QAccessible::accessibleInterface(line->second);
        if (gone != nullptr && announced++ < kMostLinesAnnouncedGone) {
            QAccessibleEvent destroyed(gone, QAccessible::ObjectDestroyed);
            QAccessible::updateAccessibility(&destroyed);
        }
        QAccessible::deleteAccessibleInterface(line->second);
    }
    m_lines.erase(first, m_lines.end());
}

void InstallTapeAccessibility() {
    QAccessible::installFactory(CreateTapeAccessible);
}

}  // namespace vantrel
