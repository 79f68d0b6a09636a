#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vantrel {

// 10^0 to 10^(Count - 1), each power formed exactly from the one before.
template <typename Number, std::size_t Count>
constexpr std::array<Number, Count> PowersOfTen() {
    std::array<Number, Count> powers{};
    Number power = 1;
    for (auto& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}

// Every power of ten that a 64-bit unsigned integer holds: 10^0 to 10^19.
inline constexpr std::array<std::uint64_t, 20> kIntegerPowersOfTen =
    PowersOfTen<std::uint64_t, 20>();

// Every power of ten that a double holds exactly, 10^0 to 10^22, so that one multiplication or
// division by one of them is rounded only once.
inline constexpr std::array<double, 23> kExactDoublePowersOfTen = PowersOfTen<double, 23>();

inline constexpr int kLargestExactDoublePowerOfTen =
    static_cast<int>(kExactDoublePowersOfTen.size()) - 1;

}  // namespace vantrel
