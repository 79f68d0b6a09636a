#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <memory>
#include <optional>

#include "shell/keymap/keymap_source.h"
#include "shell/keymap/xkb_keymap.h"

struct xcb_connection_t;

namespace vantrel {

// The X server's keyboard map, read anew after the server says that it changed.
class X11Keymap : public KeymapSource, public QAbstractNativeEventFilter {
  public:
    // None when the server has no keyboard extension.
    static std::unique_ptr<X11Keymap> Open(xcb_connection_t* connection);
    ~X11Keymap() override;

    std::optional<MappedKey> Key(std::uint32_t keycode) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    X11Keymap(xcb_connection_t* connection, std::int32_t device, std::uint8_t firstXkbEvent);
    void Read();

    xcb_connection_t* m_connection;
    const std::int32_t m_device;
    const std::uint8_t m_firstXkbEvent;
    std::optional<XkbKeymap> m_keymap;
    bool m_stale = true;
};

}  // namespace vantrel
