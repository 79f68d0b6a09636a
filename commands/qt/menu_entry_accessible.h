#pragma once

#include <QAccessibleActionInterface>
#include <QPointer>

#include "tape/qt/leaf_accessible.h"

class QAction;
class QMenu;

namespace vantrel {

// A menu entry whose caption shows its shortcut after a gap, "New    (Ctrl+N)", as a screen
// reader should know it: named "New", with "Ctrl+N" as its shortcut. The caption on screen
// stays as it is.
class MenuEntryAccessible : public LeafAccessible, public QAccessibleActionInterface {
  public:
    explicit MenuEntryAccessible(QAction* action);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QMenu* Owner() const;

    QPointer<QAction> m_action;
};

// Gives the menu entries whose caption carries a padded shortcut their accessible interface;
// installing it again changes nothing.
void InstallMenuEntryAccessibility();

}  // namespace vantrel
