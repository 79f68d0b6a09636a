#pragma once

class QWidget;

namespace vantrel {

class ValueLabel;

// The display C_Display, the memory label LMem and the counter label LCounter. Numbers stand
// at the right edge, each followed by the one blank the calculator writes after it. A screen
// reader knows them as "Display", "Memory" and "Item count", with the number as their value.
struct DisplayLabels {
    ValueLabel* C_Display = nullptr;
    ValueLabel* LMem = nullptr;
    ValueLabel* LCounter = nullptr;
};

DisplayLabels CreateDisplayLabels(QWidget& parent);

}  // namespace vantrel
