#include "shell/keymap/xkb_keymap.h"

#include <xkbcommon/xkbcommon.h>

namespace vantrel {
namespace {

using Context = std::unique_ptr<xkb_context, decltype(&xkb_context_unref)>;

Context NewContext() {
    return {xkb_context_new(XKB_CONTEXT_NO_FLAGS), &xkb_context_unref};
}

std::optional<xkb_keysym_t> SymbolOnLevel(xkb_keymap* keymap, xkb_keycode_t keycode,
                                          xkb_level_index_t level) {
    const xkb_keysym_t* symbols = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, keycode, 0, level, &symbols) != 1) {
        return std::nullopt;
    }
    return symbols[0];
}

std::optional<int> Digit(std::optional<xkb_keysym_t> symbol) {
    if (symbol && *symbol >= XKB_KEY_0 && *symbol <= XKB_KEY_9) {
        return static_cast<int>(*symbol - XKB_KEY_0);
    }
    return std::nullopt;
}

}  // namespace

XkbKeymap::XkbKeymap(std::shared_ptr<xkb_keymap> keymap) : m_keymap(std::move(keymap)) {}

std::optional<XkbKeymap> XkbKeymap::Adopt(xkb_keymap* keymap) {
    if (keymap == nullptr) {
        return std::nullopt;
    }
    return XkbKeymap(std::shared_ptr<xkb_keymap>(keymap, &xkb_keymap_unref));
}

std::optional<XkbKeymap> XkbKeymap::FromNames(const std::string& layout,
                                              const std::string& variant) {
    const Context context = NewContext();
    if (!context) {
        return std::nullopt;
    }
    const xkb_rule_names names{.rules = nullptr,
                               .model = nullptr,
                               .layout = layout.c_str(),
                               .variant = variant.c_str(),
                               .options = nullptr};
    return Adopt(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
}

std::optional<XkbKeymap> XkbKeymap::FromText(const std::string& text) {
    const Context context = NewContext();
    if (!context) {
        return std::nullopt;
    }
    return Adopt(xkb_keymap_new_from_string(context.get(), text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                            XKB_KEYMAP_COMPILE_NO_FLAGS));
}

std::optional<MappedKey> XkbKeymap::Key(std::uint32_t keycode) const {
    xkb_keymap* keymap = m_keymap.get();
    if (keycode < xkb_keymap_min_keycode(keymap) || keycode > xkb_keymap_max_keycode(keymap)) {
        return std::nullopt;
    }
    const auto base = SymbolOnLevel(keymap, keycode, 0);
    if (!base) {
        return std::nullopt;
    }
    auto digit = Digit(base);
    if (!digit) {
        digit = Digit(SymbolOnLevel(keymap, keycode, 1));
    }
    return MappedKey{.digit = digit, .baseKeysym = *base};
}

}  // namespace vantrel
