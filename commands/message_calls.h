#pragma once

#include <cstdint>

#include "core/calculator.h"

// The two calls another program makes, as the session-bus service and the headless session
// both serve them: straight to the calculator, past the keypad's error gate.
namespace vantrel {

// The amount, a signed 64-bit integer scaled by 10,000 with its low half in wParam and its
// high half in lParam, replaces the entry as text at face value.
void PushAmountMessage(Calculator& calculator, std::uint32_t wParam, std::uint32_t lParam);

// Only the low 16 bits of wParam carry the operation index, in two's complement.
void OperateMessage(Calculator& calculator, std::uint32_t wParam);

}  // namespace vantrel
