#include "shell/desktop_abilities.h"

#include <QGuiApplication>

#include "shell/x11_window_manager.h"

namespace vantrel {
namespace {

bool X11KeepsWindowsAbove() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr && x11->display() != nullptr &&
           WindowManagerSupports(x11->display(), "_NET_WM_STATE_ABOVE");
}

}  // namespace

DesktopAbilities AskDesktop() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        return {.keepsWindowsAbove = X11KeepsWindowsAbove(), .tellsWindowPositions = true};
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        return {.keepsWindowsAbove = false, .tellsWindowPositions = false};
    }
    return {};
}

}  // namespace vantrel
