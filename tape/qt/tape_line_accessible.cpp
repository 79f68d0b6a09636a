#include "tape/qt/tape_line_accessible.h"

#include "tape/qt/calc_tape.h"
#include "tape/qt/tape_accessible.h"
#include "tape/tape_line_speech.h"

namespace vantrel {

bool TapeLineAccessible::isValid() const {
    return m_list.isValid() && m_index < m_list.childCount();
}

QWindow* TapeLineAccessible::window() const {
    return m_list.window();
}

QAccessibleInterface* TapeLineAccessible::parent() const {
    return &m_list;
}

QString TapeLineAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) {
        return {};
    }
    return QString::fromStdString(SpokenTapeLine(m_list.Tape().Store().Line(m_index + 1)));
}

QRect TapeLineAccessible::rect() const {
    if (!isValid()) {
        return {};
    }
    const CalcTape& tape = m_list.Tape();
    const QRect area = tape.LineArea(m_index + 1);
    return area.isEmpty() ? QRect() : QRect(tape.mapToGlobal(area.topLeft()), area.size());
}

QAccessible::State TapeLineAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    state.offscreen = rect().isEmpty();
    state.focusable = true;
    state.focused = m_list.Tape().FocusedLine() == m_index + 1;
    return state;
}

}  // namespace vantrel
