#pragma once

#include <optional>

namespace vantrel {

// Add and Subtract of the adding register: each operand is taken to 15 significant digits as a
// 96-bit scaled decimal, the sum is formed exactly in decimal and converted to the nearest
// double. nullopt when an operand or the result lies beyond +-(2^96 - 1).
std::optional<double> DecimalAdd(double acc, double operand);
std::optional<double> DecimalSubtract(double acc, double operand);

}  // namespace vantrel
