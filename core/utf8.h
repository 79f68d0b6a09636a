#pragma once

#include <cstddef>
#include <string_view>

namespace vantrel {

// Entry limits count characters, and a locale's separator may take several bytes.
inline bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

inline std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += IsUtf8Continuation(byte) ? 0 : 1;
    }
    return count;
}

// Byte offset of the last character; 0 for an empty text.
inline std::size_t Utf8LastCharacterStart(std::string_view text) {
    std::size_t at = text.size();
    while (at > 0) {
        --at;
        if (!IsUtf8Continuation(text[at])) {
            break;
        }
    }
    return at;
}

}  // namespace vantrel
