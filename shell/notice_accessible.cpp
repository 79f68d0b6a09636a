#include "shell/notice_accessible.h"

#include "shell/notice_bar.h"

namespace vantrel {
namespace {

QAccessibleInterface* CreateNoticeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(NoticeBar::staticMetaObject.className())) {
        return new NoticeAccessible(static_cast<NoticeBar*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallNoticeAccessibility() {
    QAccessible::installFactory(CreateNoticeAccessible);
}

NoticeAccessible::NoticeAccessible(NoticeBar* bar)
    : QAccessibleWidget(bar, QAccessible::Notification) {}

QString NoticeAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? static_cast<const NoticeBar*>(widget())->Text() : QString();
}

// Drawn nowhere, yet shown: a reader passes over what it takes for hidden.
QAccessible::State NoticeAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = false;
    state.offscreen = false;
    state.readOnly = true;
    return state;
}

}  // namespace vantrel
