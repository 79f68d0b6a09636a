#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

namespace vantrel {

// A menu entry whose caption shows its shortcut after a gap, "New    (Ctrl+N)", as a screen
// reader should know it: named "New", with "Ctrl+N" as its shortcut. The caption on screen
// stays as it is.
class MenuEntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    explicit MenuEntryAccessible(QAction* action);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
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
