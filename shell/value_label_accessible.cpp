#include "shell/value_label_accessible.h"

#include <QFontMetrics>

#include "shell/value_label.h"

namespace vantrel {
namespace {

QAccessibleInterface* CreateValueLabelAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ValueLabel::staticMetaObject.className())) {
        return new ValueLabelAccessible(static_cast<ValueLabel*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallValueLabelAccessibility() {
    QAccessible::installFactory(CreateValueLabelAccessible);
}

ValueLabelAccessible::ValueLabelAccessible(ValueLabel* label)
    : QAccessibleWidget(label, QAccessible::EditableText) {}

void* ValueLabelAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString ValueLabelAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Value ? Value() : QAccessibleWidget::text(t);
}

QAccessible::State ValueLabelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

QString ValueLabelAccessible::text(int startOffset, int endOffset) const {
    if (endOffset == -1) {
        endOffset = characterCount();
    }
    return startOffset < 0 || startOffset > endOffset
               ? QString()
               : Value().mid(startOffset, endOffset - startOffset);
}

int ValueLabelAccessible::characterCount() const {
    return static_cast<int>(Value().size());
}

void ValueLabelAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

// Where a character of the value stands on the screen: the number is drawn against the right
// edge, before the one blank that follows it. A reader's flat review finds the number there.
QRect ValueLabelAccessible::characterRect(int offset) const {
    const QString value = Value();
    if (offset < 0 || offset >= value.size()) {
        return {};
    }
    const auto* label = static_cast<const ValueLabel*>(widget());
    const QFontMetrics metrics(label->font());
    const QRect area = label->contentsRect();
    const int left = area.right() - metrics.horizontalAdvance(QLatin1Char(' ')) -
                     metrics.horizontalAdvance(value);
    const QRect character(left + metrics.horizontalAdvance(value.left(offset)),
                          area.top() + (area.height() - metrics.height()) / 2,
                          metrics.horizontalAdvance(value.at(offset)), metrics.height());
    return {label->mapToGlobal(character.topLeft()), character.size()};
}

int ValueLabelAccessible::offsetAtPoint(const QPoint& point) const {
    for (int offset = 0; offset < characterCount(); ++offset) {
        if (characterRect(offset).contains(point)) {
            return offset;
        }
    }
    return -1;
}

// The number has one look throughout: a single run without attributes. A reader splits the
// text into runs to choose its voice, and an empty run would leave it nothing to read.
QString ValueLabelAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QString ValueLabelAccessible::Value() const {
    return static_cast<const ValueLabel*>(widget())->Value();
}

}  // namespace vantrel
