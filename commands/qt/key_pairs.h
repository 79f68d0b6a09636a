#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

namespace vantrel {

// One row of a translation table: from a key's number to a virtual-key code.
using KeyPair = std::pair<long, int>;

template <std::size_t N>
std::optional<int> FindKey(const std::array<KeyPair, N>& table, long key) {
    for (const auto& [from, to] : table) {
        if (from == key) {
            return to;
        }
    }
    return std::nullopt;
}

}  // namespace vantrel
