#include "shell/tones/pulse_library.h"

#include <dlfcn.h>

namespace vantrel {
namespace {

template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

}  // namespace

const PulseLibrary* PulseLibrary::Get() {
    static PulseLibrary library;
    static const bool loaded = library.Load();
    return loaded ? &library : nullptr;
}

// The context and main-loop functions come from libpulse, which libpulse-simple brings along.
// The handle stays open for the life of the process, as the stream functions may run until
// its end.
bool PulseLibrary::Load() {
    void* library = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return false;
    }
    return Resolve(library, "pa_simple_new", simpleNew) &&
           Resolve(library, "pa_simple_write", simpleWrite) &&
           Resolve(library, "pa_simple_drain", simpleDrain) &&
           Resolve(library, "pa_simple_free", simpleFree) &&
           Resolve(library, "pa_usec_to_bytes", usecToBytes) &&
           Resolve(library, "pa_mainloop_new", mainloopNew) &&
           Resolve(library, "pa_mainloop_get_api", mainloopApi) &&
           Resolve(library, "pa_mainloop_prepare", mainloopPrepare) &&
           Resolve(library, "pa_mainloop_poll", mainloopPoll) &&
           Resolve(library, "pa_mainloop_dispatch", mainloopDispatch) &&
           Resolve(library, "pa_mainloop_free", mainloopFree) &&
           Resolve(library, "pa_context_new", contextNew) &&
           Resolve(library, "pa_context_connect", contextConnect) &&
           Resolve(library, "pa_context_get_state", contextState) &&
           Resolve(library, "pa_context_disconnect", contextDisconnect) &&
           Resolve(library, "pa_context_unref", contextUnref);
}

}  // namespace vantrel
