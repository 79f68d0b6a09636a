#pragma once

#include <pulse/simple.h>

#include <cstddef>

namespace vantrel {

// libpulse-simple, loaded at the first tone rather than with the program: it brings a dozen
// codec libraries along, and loading them at start-up would delay the first window.
class PulseLibrary {
  public:
    // The library of this process, loaded on the first call; null when it cannot be loaded.
    static const PulseLibrary* Get();

    decltype(&pa_simple_new) simpleNew = nullptr;
    decltype(&pa_simple_write) simpleWrite = nullptr;
    decltype(&pa_simple_drain) simpleDrain = nullptr;
    decltype(&pa_simple_free) simpleFree = nullptr;
    decltype(&pa_usec_to_bytes) usecToBytes = nullptr;

  private:
    PulseLibrary() = default;
    bool Load();
};

}  // namespace vantrel
