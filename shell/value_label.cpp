#include "shell/value_label.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <utility>

#include "shell/value_label_accessible.h"

namespace vantrel {

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
    InstallValueLabelAccessibility();
}

void ValueLabel::SetValueSource(std::function<QString()> source) {
    m_source = std::move(source);
}

QString ValueLabel::Value() const {
    return m_source ? m_source() : text().trimmed();
}

// The frame, then the text where a label without the focus puts it: inside the margin, and
// away from the frame by half an "x" on the side it is aligned to.
void ValueLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::Alignment aligned = QStyle::visualAlignment(layoutDirection(), alignment());
    int inset = indent();
    if (inset < 0 && frameWidth() > 0) {
        inset = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    }
    if (inset > 0) {
        area.adjust(aligned & Qt::AlignLeft ? inset : 0, aligned & Qt::AlignTop ? inset : 0,
                    aligned & Qt::AlignRight ? -inset : 0, aligned & Qt::AlignBottom ? -inset : 0);
    }
    style()->drawItemText(&painter, area, static_cast<int>(aligned), palette(), isEnabled(), text(),
                          foregroundRole());
}

void ValueLabel::TellValueChanged() {
    emit ValueChanged();
    if (!QAccessible::isActive()) {
        m_announced = Value();
        return;
    }
    if (m_announcePending) {
        return;
    }
    m_announcePending = true;
    QTimer::singleShot(0, this, [this] {
        m_announcePending = false;
        AnnounceValue();
    });
}

void ValueLabel::AnnounceValue() {
    const QString value = Value();
    if (value == m_announced) {
        return;
    }
    QAccessibleTextUpdateEvent updated(this, 0, m_announced, value);
    m_announced = value;
    QAccessible::updateAccessibility(&updated);
}

}  // namespace vantrel
