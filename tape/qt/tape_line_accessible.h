#pragma once

#include "tape/qt/leaf_accessible.h"

namespace vantrel {

class TapeAccessible;

// One line of the tape for a screen reader: a list item named by the line's words. It reads
// the line afresh each time, so it never tells of a line that has gone.
class TapeLineAccessible : public LeafAccessible {
  public:
    TapeLineAccessible(TapeAccessible& list, int index) : m_list(list), m_index(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    int Index() const { return m_index; }

  private:
    TapeAccessible& m_list;
    const int m_index;
};

}  // namespace vantrel
