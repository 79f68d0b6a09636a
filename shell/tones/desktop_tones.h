#pragma once

#include <memory>

#include "core/ports.h"

namespace vantrel {

// The error signal of the running program: the sound server, else the system bell.
std::unique_ptr<TonePort> MakeDesktopTones();

}  // namespace vantrel
