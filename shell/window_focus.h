#pragma once

#include <vector>

class QWidget;

namespace vantrel {

class ArrowFocus;

// The controls a keyboard user moves through, each group in any order.
struct FocusControls {
    std::vector<QWidget*> labels;
    std::vector<QWidget*> keys;
    std::vector<QWidget*> options;
    QWidget* tape;
};

// Tab goes through the labels, the keys row by row, the options from the left and the tape,
// Shift+Tab back; the arrows go within the keys and within the options. Set once the
// controls have their places.
void SetUpWindowFocus(const FocusControls& controls, ArrowFocus& arrows);

}  // namespace vantrel
