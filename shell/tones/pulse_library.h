#pragma once

#include <pulse/context.h>
#include <pulse/mainloop.h>
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
    decltype(&pa_mainloop_new) mainloopNew = nullptr;
    decltype(&pa_mainloop_get_api) mainloopApi = nullptr;
    decltype(&pa_mainloop_prepare) mainloopPrepare = nullptr;
    decltype(&pa_mainloop_poll) mainloopPoll = nullptr;
    decltype(&pa_mainloop_dispatch) mainloopDispatch = nullptr;
    decltype(&pa_mainloop_free) mainloopFree = nullptr;
    decltype(&pa_context_new) contextNew = nullptr;
    decltype(&pa_context_connect) contextConnect = nullptr;
    decltype(&pa_context_get_state) contextState = nullptr;
    decltype(&pa_context_disconnect) contextDisconnect = nullptr;
    decltype(&pa_context_unref) contextUnref = nullptr;

  private:
    PulseLibrary() = default;
    bool Load();
};

}  // namespace vantrel
