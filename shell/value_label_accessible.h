#pragma once

#include <QAccessibleWidget>

namespace vantrel {

class ValueLabel;

// A value label for a screen reader: read-only text named by the label's accessible name,
// whose value and text are the label's value. A reader reads a focused text's number, where
// of a label it reads the name alone.
class ValueLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ValueLabelAccessible(ValueLabel* label);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    QString Value() const;
};

}  // namespace vantrel
