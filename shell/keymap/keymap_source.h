#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "commands/qt/virtual_key.h"

namespace vantrel {

// The keyboard map the desktop uses now, kept up to date as the desktop changes it.
class KeymapSource {
  public:
    virtual ~KeymapSource() = default;
    virtual std::optional<MappedKey> Key(std::uint32_t keycode) = 0;
};

// The map of the window system the program runs on: the X server's, or the one the Wayland
// compositor sends; none on other platforms, where keys are known by Qt's names alone.
std::unique_ptr<KeymapSource> ActiveKeymap();

}  // namespace vantrel
