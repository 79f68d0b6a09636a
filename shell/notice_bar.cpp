#include "shell/notice_bar.h"

#include <QAccessible>

namespace vantrel {

NoticeBar::NoticeBar(QWidget* parent) : QWidget(parent) {
    InstallNoticeAccessibility();
    setObjectName(QStringLiteral("NoticeBar"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
}

// The name changes first, so that a reader that asks what was shown already hears the new text.
void NoticeBar::Say(const QString& text) {
    m_text = text;
    if (!QAccessible::isActive() || text.isEmpty()) {
        return;
    }
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace vantrel
