#pragma once

#include <functional>

class QWidget;

namespace vantrel {

// Runs `step` on the window's thread once the window is first on screen and painted: work
// that would compete with the first frame for the processor, such as a worker loading the
// print server's library, starts when the user already sees the window. Asked for before the
// window is first shown; a window that is never shown never runs it.
void AfterFirstFrame(QWidget& window, std::function<void()> step);

}  // namespace vantrel
