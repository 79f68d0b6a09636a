#include "shell/main_mod.h"

#include <QWidget>
#include <QWindow>

namespace vantrel {

void SetTopMost(QWidget& window, bool OnTop) {
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, OnTop);
    if (flags == window.windowFlags()) {
        return;
    }
    if (QWindow* handle = window.windowHandle()) {
        // A window already on the desktop changes its state in place; setting the widget's
        // flags would hide it and make it anew.
        window.overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window.setWindowFlags(flags);
    }
}

}  // namespace vantrel
