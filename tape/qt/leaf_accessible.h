#pragma once

#include <QAccessibleInterface>

namespace vantrel {

// An accessible object without children and without text of its own to set: what a tape line
// and a menu entry share, so that each says only what it is.
class LeafAccessible : public QAccessibleInterface {
  public:
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
};

}  // namespace vantrel
