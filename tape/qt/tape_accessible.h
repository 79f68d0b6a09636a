#pragma once

#include <QAccessibleWidget>
#include <cstdint>
#include <map>

namespace vantrel {

class CalcTape;

// The tape as a screen reader reads it: a list named "Tape" whose items are its lines, each
// named in words. A line's interface is made only when a reader asks for it or the line is
// announced, so a long tape costs nothing until it is read.
class TapeAccessible : public QAccessibleWidget {
  public:
    explicit TapeAccessible(CalcTape* tape);
    ~TapeAccessible() override;
    TapeAccessible(const TapeAccessible&) = delete;
    TapeAccessible& operator=(const TapeAccessible&) = delete;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessible::State state() const override;
    QAccessibleInterface* focusChild() const override;

    // The tape grew from `before` lines to its present count: each new line is announced.
    void TellLinesAdded(std::int32_t before);
    // The tape is about to shrink to `count` lines: the newest of the lines a reader has met
    // above it are announced gone while they can still be named, then all are forgotten.
    void TellLinesRemoving(std::int32_t count);
    // The keyboard focus moved to the line at `index`: the reader hears it with its words.
    void TellLineFocused(int index);

    const CalcTape& Tape() const;

  private:
    mutable std::map<int, QAccessible::Id> m_lines;
};

// Gives every CalcTape its accessible interface; installing it again changes nothing.
void InstallTapeAccessibility();

}  // namespace vantrel
