#include "shell/desktop_top_most.h"

#include <QGuiApplication>

#include "shell/x11_window_manager.h"

namespace vantrel {

bool DesktopKeepsWindowsAbove() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        return x11 != nullptr && x11->display() != nullptr &&
               WindowManagerSupports(x11->display(), "_NET_WM_STATE_ABOVE");
    }
    return !platform.startsWith(QLatin1String("wayland"));
}

}  // namespace vantrel
