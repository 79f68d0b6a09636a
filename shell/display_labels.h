#pragma once

class QLabel;
class QWidget;

namespace vantrel {

// The display C_Display, the memory label LMem and the counter label LCounter. Numbers stand
// at the right edge, each followed by the one blank the calculator writes after it.
struct DisplayLabels {
    QLabel* C_Display = nullptr;
    QLabel* LMem = nullptr;
    QLabel* LCounter = nullptr;
};

DisplayLabels CreateDisplayLabels(QWidget& parent);

}  // namespace vantrel
