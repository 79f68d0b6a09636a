#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "commands/qt/virtual_key.h"

struct xkb_keymap;

namespace vantrel {

// A keyboard map as libxkbcommon holds it, asked what one key carries.
class XkbKeymap {
  public:
    // Takes over the caller's reference; none for a null map.
    static std::optional<XkbKeymap> Adopt(xkb_keymap* keymap);
    // A map compiled from the system's layout files, as for "de" or "fr" with a variant.
    static std::optional<XkbKeymap> FromNames(const std::string& layout,
                                              const std::string& variant = {});
    // A map from its text form, as a Wayland compositor or a virtual keyboard sends it.
    static std::optional<XkbKeymap> FromText(const std::string& text);

    // The digit the key carries on its first level, or on its second where a layout keeps the
    // digits under Shift, and the symbol on its first level; none for a key the map lacks.
    std::optional<MappedKey> Key(std::uint32_t keycode) const;

  private:
    explicit XkbKeymap(std::shared_ptr<xkb_keymap> keymap);

    std::shared_ptr<xkb_keymap> m_keymap;
};

}  // namespace vantrel
