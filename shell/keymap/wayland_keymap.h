#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "shell/keymap/keymap_source.h"
#include "shell/keymap/xkb_keymap.h"

struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_seat;
struct wl_keyboard;

namespace vantrel {

// The keyboard map the Wayland compositor sends, on a keyboard of the program's own in the
// seat: the compositor sends every new map to it too, a virtual keyboard's included. Its
// events wait in a queue of their own, read along with Qt's and handled before each key, so
// that nothing here ever waits for the compositor.
class WaylandKeymap : public KeymapSource {
  public:
    static std::unique_ptr<WaylandKeymap> Open(wl_display* display);
    ~WaylandKeymap() override;

    std::optional<MappedKey> Key(std::uint32_t keycode) override;

    // Called by the listeners of the registry, the seat and the keyboard.
    void SeatFound(wl_registry* registry, std::uint32_t name, std::uint32_t version);
    void SeatCapabilities(std::uint32_t capabilities);
    void KeymapArrived(std::uint32_t format, int fd, std::uint32_t size);

  private:
    explicit WaylandKeymap(wl_display* display);

    wl_display* m_display;
    wl_event_queue* m_queue;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    wl_keyboard* m_keyboard = nullptr;
    std::optional<XkbKeymap> m_keymap;
};

}  // namespace vantrel
