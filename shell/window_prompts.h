#pragma once

class QWidget;

namespace vantrel {

// "Exit Vantrel Calculator" with OK and Cancel, under the window's caption; true for OK.
bool AskExit(QWidget& window);

// The product name and version in a modal box that stays above other windows.
void ShowAboutBox(QWidget& window);

}  // namespace vantrel
