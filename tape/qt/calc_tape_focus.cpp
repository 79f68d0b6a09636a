#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "tape/qt/calc_tape.h"
#include "tape/qt/tape_accessible.h"

// The tape under the keyboard focus: one line at a time is focused, the newest when the focus
// arrives, and the arrows, Home and End move it; a screen reader hears each line so focused.

namespace vantrel {

std::int32_t CalcTape::FocusedLine() const {
    if (!hasFocus() || m_store.CurrentLine() == 0) {
        return 0;
    }
    return std::clamp(m_focusedLine, std::int32_t{1}, m_store.CurrentLine());
}

void CalcTape::FocusLine(std::int32_t k) {
    m_focusedLine = k;
    update();
    if (TapeAccessible* reader = ListeningReader(); reader != nullptr && FocusedLine() > 0) {
        reader->TellLineFocused(FocusedLine() - 1);
    }
}

void CalcTape::keyPressEvent(QKeyEvent* event) {
    const std::int32_t focused = FocusedLine();
    switch (event->key()) {
        case Qt::Key_Up:
            return FocusLine(std::max(focused - 1, std::int32_t{1}));
        case Qt::Key_Down:
            return FocusLine(std::min(focused + 1, m_store.CurrentLine()));
        case Qt::Key_Home:
            return FocusLine(1);
        case Qt::Key_End:
            return FocusLine(m_store.CurrentLine());
        default:
            QWidget::keyPressEvent(event);
    }
}

void CalcTape::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    FocusLine(m_store.CurrentLine());
}

void CalcTape::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void CalcTape::DrawFocusedLine(QPainter& painter) const {
    const QRect area = LineArea(FocusedLine());
    if (!area.isEmpty()) {
        painter.setPen(QPen(palette().highlight(), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
}

}  // namespace vantrel
