#include "shell/option_panel.h"

#include <QAccessibleWidget>

namespace vantrel {
namespace {

class OptionCaptionAccessible : public QAccessibleWidget {
  public:
    explicit OptionCaptionAccessible(QWidget* caption)
        : QAccessibleWidget(caption, QAccessible::StaticText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* CreateOptionAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(OptionPanel::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    }
    if (className == QLatin1String(OptionCaption::staticMetaObject.className())) {
        return new OptionCaptionAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

void InstallOptionAccessibility() {
    QAccessible::installFactory(CreateOptionAccessible);
}

}  // namespace

OptionPanel::OptionPanel(QWidget* parent) : QFrame(parent) {
    InstallOptionAccessibility();
}

OptionCaption::OptionCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {
    InstallOptionAccessibility();
}

}  // namespace vantrel
