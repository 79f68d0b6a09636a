#pragma once

class QWidget;

namespace vantrel {

// "Exit Vantrel Calculator" with OK and Cancel, under the window's caption; true for OK.
bool AskExit(QWidget& window);

}  // namespace vantrel
