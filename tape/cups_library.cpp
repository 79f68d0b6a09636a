#include "tape/cups_library.h"

#include <dlfcn.h>

#include <optional>

namespace vantrel {
namespace {

constexpr const char* kSystemLibrary = "libcups.so.2";

template <typename Call>
bool Resolve(void* library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(dlsym(library, name));
    return call != nullptr;
}

bool ResolveAll(void* library, CupsLibrary& cups) {
    return Resolve(library, "cupsSetServer", cups.cupsSetServer) &&
           Resolve(library, "cupsServer", cups.cupsServer) &&
           Resolve(library, "cupsEncryption", cups.cupsEncryption) &&
           Resolve(library, "cupsUser", cups.cupsUser) &&
           Resolve(library, "ippPort", cups.ippPort) &&
           Resolve(library, "httpConnect2", cups.httpConnect2) &&
           Resolve(library, "httpSetTimeout", cups.httpSetTimeout) &&
           Resolve(library, "httpClose", cups.httpClose) &&
           Resolve(library, "httpAssembleURIf", cups.httpAssembleURIf) &&
           Resolve(library, "cupsGetDests2", cups.cupsGetDests2) &&
           Resolve(library, "cupsFreeDests", cups.cupsFreeDests) &&
           Resolve(library, "cupsDoRequest", cups.cupsDoRequest) &&
           Resolve(library, "cupsSendRequest", cups.cupsSendRequest) &&
           Resolve(library, "cupsWriteRequestData", cups.cupsWriteRequestData) &&
           Resolve(library, "cupsGetResponse", cups.cupsGetResponse) &&
           Resolve(library, "ippNewRequest", cups.ippNewRequest) &&
           Resolve(library, "ippAddString", cups.ippAddString) &&
           Resolve(library, "ippLength", cups.ippLength) &&
           Resolve(library, "ippGetStatusCode", cups.ippGetStatusCode) &&
           Resolve(library, "ippFindAttribute", cups.ippFindAttribute) &&
           Resolve(library, "ippGetString", cups.ippGetString) &&
           Resolve(library, "ippDelete", cups.ippDelete);
}

}  // namespace

// The library stays loaded until the process ends: its calls may be under way on a worker
// when the window closes.
std::optional<CupsLibrary> LoadCupsLibrary(const char* file) {
    void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    CupsLibrary cups;
    if (!ResolveAll(library, cups)) {
        dlclose(library);
        return std::nullopt;
    }
    return cups;
}

const CupsLibrary* Cups() {
    static const std::optional<CupsLibrary> cups = LoadCupsLibrary(kSystemLibrary);
    return cups ? &*cups : nullptr;
}

}  // namespace vantrel
