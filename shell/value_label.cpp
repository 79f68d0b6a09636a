#include "shell/value_label.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <utility>

#include "shell/value_label_accessible.h"

namespace vantrel {

ValueLabel::ValueLabel(QWidget* parent) : QFrame(parent) {
    InstallValueLabelAccessibility();
}

void ValueLabel::setText(const QString& text) {
    if (text != m_text) {
        m_text = text;
        update(contentsRect());
    }
}

void ValueLabel::setAlignment(Qt::Alignment alignment) {
    if (alignment != m_alignment) {
        m_alignment = alignment;
        update(contentsRect());
    }
}

void ValueLabel::SetValueSource(std::function<QString()> source) {
    m_source = std::move(source);
}

QString ValueLabel::Value() const {
    return m_source ? m_source() : text().trimmed();
}

// The frame, then the text where a plain label puts it: away from a frame by half an "x" on
// the side it is aligned to.
void ValueLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const Qt::Alignment aligned = QStyle::visualAlignment(layoutDirection(), alignment());
    const int inset = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const QRect area = contentsRect().adjusted(
        aligned & Qt::AlignLeft ? inset : 0, aligned & Qt::AlignTop ? inset : 0,
        aligned & Qt::AlignRight ? -inset : 0, aligned & Qt::AlignBottom ? -inset : 0);
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
