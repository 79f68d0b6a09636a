#include "shell/keymap/x11_keymap.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>

#include <QCoreApplication>

namespace vantrel {
namespace {

// The XKB events that replace the map: another keyboard, or a new layout on the same one.
constexpr std::uint8_t kNewKeyboardNotify = 0;
constexpr std::uint8_t kMapNotify = 1;
constexpr std::uint8_t kEventTypeMask = 0x7f;

}  // namespace

std::unique_ptr<X11Keymap> X11Keymap::Open(xcb_connection_t* connection) {
    std::uint8_t firstEvent = 0;
    if (connection == nullptr ||
        !xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &firstEvent, nullptr)) {
        return nullptr;
    }
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0) {
        return nullptr;
    }
    return std::unique_ptr<X11Keymap>(new X11Keymap(connection, device, firstEvent));
}

X11Keymap::X11Keymap(xcb_connection_t* connection, std::int32_t device, std::uint8_t firstXkbEvent)
    : m_connection(connection), m_device(device), m_firstXkbEvent(firstXkbEvent) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11Keymap::~X11Keymap() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

void X11Keymap::Read() {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (context == nullptr) {
        return;
    }
    m_keymap = XkbKeymap::Adopt(xkb_x11_keymap_new_from_device(context, m_connection, m_device,
                                                               XKB_KEYMAP_COMPILE_NO_FLAGS));
    xkb_context_unref(context);
    m_stale = false;
}

std::optional<MappedKey> X11Keymap::Key(std::uint32_t keycode) {
    if (m_stale) {
        Read();
    }
    return m_keymap ? m_keymap->Key(keycode) : std::nullopt;
}

// Qt selects the XKB events on its connection; the map is read again at the next key.
bool X11Keymap::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & kEventTypeMask) == m_firstXkbEvent) {
        const std::uint8_t xkbType = event->pad0;
        if (xkbType == kNewKeyboardNotify || xkbType == kMapNotify) {
            m_stale = true;
        }
    }
    return false;
}

}  // namespace vantrel
