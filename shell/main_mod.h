#pragma once

class QWidget;

namespace vantrel {

// Keeps the window above all other windows, or lets it be covered again. Nothing else about
// the window changes.
void SetTopMost(QWidget& window, bool OnTop);

}  // namespace vantrel
