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
           Resolve(library, "pa_usec_to_bytes", usecToBytes);
}

}  // namespace vantrel
