#include "shell/keymap/wayland_keymap.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace vantrel {
namespace {

constexpr std::uint32_t kSeatVersion = 5;
constexpr std::uint32_t kReleaseVersion = 3;

WaylandKeymap& Self(void* data) {
    return *static_cast<WaylandKeymap*>(data);
}

void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t version) {
    if (std::strcmp(interface, wl_seat_interface.name) == 0) {
        Self(data).SeatFound(registry, name, version);
    }
}

void GlobalRemove(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kRegistryListener{.global = Global, .global_remove = GlobalRemove};

void Capabilities(void* data, wl_seat*, std::uint32_t capabilities) {
    Self(data).SeatCapabilities(capabilities);
}

void SeatName(void*, wl_seat*, const char*) {}

constexpr wl_seat_listener kSeatListener{.capabilities = Capabilities, .name = SeatName};

void Keymap(void* data, wl_keyboard*, std::uint32_t format, int fd, std::uint32_t size) {
    Self(data).KeymapArrived(format, fd, size);
}

// The keys themselves reach the program through Qt's own keyboard.
void Enter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
void Leave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}
void KeyEvent(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
void Modifiers(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
               std::uint32_t) {}
void RepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

constexpr wl_keyboard_listener kKeyboardListener{.keymap = Keymap,
                                                 .enter = Enter,
                                                 .leave = Leave,
                                                 .key = KeyEvent,
                                                 .modifiers = Modifiers,
                                                 .repeat_info = RepeatInfo};

std::optional<std::string> ReadKeymapText(int fd, std::uint32_t size) {
    void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapped == MAP_FAILED) {
        return std::nullopt;
    }
    const char* text = static_cast<const char*>(mapped);
    std::string copy(text, std::find(text, text + size, '\0'));
    munmap(mapped, size);
    return copy;
}

}  // namespace

std::unique_ptr<WaylandKeymap> WaylandKeymap::Open(wl_display* display) {
    if (display == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<WaylandKeymap>(new WaylandKeymap(display));
}

WaylandKeymap::WaylandKeymap(wl_display* display)
    : m_display(display), m_queue(wl_display_create_queue(display)) {
    // The registry is made through a wrapper on the own queue, so that none of its events can
    // reach Qt's queue first.
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), m_queue);
    m_registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    wl_registry_add_listener(m_registry, &kRegistryListener, this);
    wl_display_flush(m_display);
}

WaylandKeymap::~WaylandKeymap() {
    if (m_keyboard != nullptr) {
        if (wl_keyboard_get_version(m_keyboard) >= kReleaseVersion) {
            wl_keyboard_release(m_keyboard);
        } else {
            wl_keyboard_destroy(m_keyboard);
        }
    }
    if (m_seat != nullptr) {
        if (wl_seat_get_version(m_seat) >= kSeatVersion) {
            wl_seat_release(m_seat);
        } else {
            wl_seat_destroy(m_seat);
        }
    }
    wl_registry_destroy(m_registry);
    wl_display_flush(m_display);
    wl_event_queue_destroy(m_queue);
}

void WaylandKeymap::SeatFound(wl_registry* registry, std::uint32_t name, std::uint32_t version) {
    if (m_seat != nullptr) {
        return;
    }
    m_seat = static_cast<wl_seat*>(
        wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, kSeatVersion)));
    wl_seat_add_listener(m_seat, &kSeatListener, this);
    wl_display_flush(m_display);
}

void WaylandKeymap::SeatCapabilities(std::uint32_t capabilities) {
    if (m_keyboard == nullptr && (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0) {
        m_keyboard = wl_seat_get_keyboard(m_seat);
        wl_keyboard_add_listener(m_keyboard, &kKeyboardListener, this);
        wl_display_flush(m_display);
    }
}

void WaylandKeymap::KeymapArrived(std::uint32_t format, int fd, std::uint32_t size) {
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
        if (const auto text = ReadKeymapText(fd, size)) {
            m_keymap = XkbKeymap::FromText(*text);
        }
    }
    close(fd);
}

std::optional<MappedKey> WaylandKeymap::Key(std::uint32_t keycode) {
    wl_display_dispatch_queue_pending(m_display, m_queue);
    return m_keymap ? m_keymap->Key(keycode) : std::nullopt;
}

}  // namespace vantrel
