#include "commands/qt/menu_entry_accessible.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace vantrel {
namespace {

// The gap that sets a caption's shortcut apart, "Undo    (Ctrl+Z)".
const QString kShortcutGap = QStringLiteral("    (");

qsizetype GapAt(const QString& caption) {
    return caption.endsWith(QLatin1Char(')')) ? caption.indexOf(kShortcutGap) : -1;
}

QAccessibleInterface* CreateMenuEntryAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(QAction::staticMetaObject.className())) {
        return nullptr;
    }
    auto* action = static_cast<QAction*>(object);
    return GapAt(action->text()) > 0 ? new MenuEntryAccessible(action) : nullptr;
}

}  // namespace

void InstallMenuEntryAccessibility() {
    QAccessible::installFactory(CreateMenuEntryAccessible);
}

MenuEntryAccessible::MenuEntryAccessible(QAction* action) : m_action(action) {}

// The menu the entry is seen in: the one open, else the first that holds it.
QMenu* MenuEntryAccessible::Owner() const {
    QMenu* first = nullptr;
    for (QObject* holder : m_action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            if (menu->isVisible()) {
                return menu;
            }
            first = first != nullptr ? first : menu;
        }
    }
    return first;
}

bool MenuEntryAccessible::isValid() const {
    return m_action != nullptr && Owner() != nullptr;
}

QObject* MenuEntryAccessible::object() const {
    return m_action;
}

QWindow* MenuEntryAccessible::window() const {
    QMenu* owner = isValid() ? Owner() : nullptr;
    return owner != nullptr ? owner->windowHandle() : nullptr;
}

QAccessibleInterface* MenuEntryAccessible::parent() const {
    return isValid() ? QAccessible::queryAccessibleInterface(Owner()) : nullptr;
}

QString MenuEntryAccessible::text(QAccessible::Text t) const {
    if (!isValid()) {
        return {};
    }
    const QString caption = m_action->text();
    const qsizetype gap = GapAt(caption);
    switch (t) {
        case QAccessible::Name:
            return caption.left(gap).remove(QLatin1Char('&'));
        case QAccessible::Accelerator:
            return caption.mid(gap + kShortcutGap.size()).chopped(1);
        default:
            return {};
    }
}

QRect MenuEntryAccessible::rect() const {
    QMenu* owner = isValid() ? Owner() : nullptr;
    if (owner == nullptr) {
        return {};
    }
    const QRect area = owner->actionGeometry(m_action);
    return {owner->mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::State MenuEntryAccessible::state() const {
    QAccessible::State state;
    QMenu* owner = isValid() ? Owner() : nullptr;
    if (owner == nullptr) {
        state.invalid = true;
        return state;
    }
    state.invisible = !owner->isVisible() || !m_action->isVisible();
    state.focused = owner->activeAction() == m_action;
    state.disabled = !m_action->isEnabled();
    state.checkable = m_action->isCheckable();
    state.checked = m_action->isChecked();
    return state;
}

void* MenuEntryAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList MenuEntryAccessible::actionNames() const {
    return isValid() ? QStringList{pressAction()} : QStringList{};
}

void MenuEntryAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && isValid() && m_action->isEnabled()) {
        m_action->trigger();
    }
}

}  // namespace vantrel
