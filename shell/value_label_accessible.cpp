#include "shell/value_label_accessible.h"

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
    : QAccessibleWidget(label, QAccessible::StaticText) {}

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

QString ValueLabelAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

QString ValueLabelAccessible::Value() const {
    return static_cast<const ValueLabel*>(widget())->Value();
}

}  // namespace vantrel
