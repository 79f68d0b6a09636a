#include <qpa/qplatformnativeinterface.h>

#include <QGuiApplication>

#include "shell/keymap/keymap_source.h"
#include "shell/keymap/wayland_keymap.h"
#include "shell/keymap/x11_keymap.h"

namespace vantrel {

std::unique_ptr<KeymapSource> ActiveKeymap() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        return x11 != nullptr ? X11Keymap::Open(x11->connection()) : nullptr;
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
        return native != nullptr
                   ? WaylandKeymap::Open(static_cast<wl_display*>(
                         native->nativeResourceForIntegration(QByteArrayLiteral("wl_display"))))
                   : nullptr;
    }
    return nullptr;
}

}  // namespace vantrel
