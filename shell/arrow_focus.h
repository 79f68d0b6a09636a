#pragma once

#include <vector>

class QWidget;

namespace vantrel {

// Moves the keyboard focus with the arrow keys within groups of the window's controls, to the
// nearest control in the arrow's direction. It only moves the focus: a key is not pressed, an
// option not selected, so looking around changes nothing in the calculation.
class ArrowFocus {
  public:
    // Controls laid out on a grid, such as the keypad.
    void AddGrid(std::vector<QWidget*> group);
    // Controls in a row, such as the options: every arrow goes along it, up and left back.
    void AddRow(std::vector<QWidget*> group);

    // Whether the Qt key moved the focus; another key, or a focus outside every group, is
    // left alone.
    bool Move(int key) const;

  private:
    struct Group {
        std::vector<QWidget*> controls;
        bool row;
    };

    std::vector<Group> m_groups;
};

}  // namespace vantrel
