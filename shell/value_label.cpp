#include "shell/value_label.h"

#include <QAccessible>
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
