#pragma once

#include <cups/cups.h>

#include <optional>

namespace vantrel {

// The calls the print server's protocol makes into libcups. The library and the two dozen
// libraries it brings (TLS, Kerberos, Avahi) are loaded at the first conversation with the
// server, on the worker that holds it, rather than by the loader before the window can open.
struct CupsLibrary {
    decltype(&::cupsSetServer) cupsSetServer = nullptr;
    decltype(&::cupsServer) cupsServer = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::cupsUser) cupsUser = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
    decltype(&::httpConnect2) httpConnect2 = nullptr;
    decltype(&::httpSetTimeout) httpSetTimeout = nullptr;
    decltype(&::httpClose) httpClose = nullptr;
    decltype(&::httpAssembleURIf) httpAssembleURIf = nullptr;
    decltype(&::cupsGetDests2) cupsGetDests2 = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsDoRequest) cupsDoRequest = nullptr;
    decltype(&::cupsSendRequest) cupsSendRequest = nullptr;
    decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
    decltype(&::cupsGetResponse) cupsGetResponse = nullptr;
    decltype(&::ippNewRequest) ippNewRequest = nullptr;
    decltype(&::ippAddString) ippAddString = nullptr;
    decltype(&::ippLength) ippLength = nullptr;
    decltype(&::ippGetStatusCode) ippGetStatusCode = nullptr;
    decltype(&::ippFindAttribute) ippFindAttribute = nullptr;
    decltype(&::ippGetString) ippGetString = nullptr;
    decltype(&::ippDelete) ippDelete = nullptr;
};

// The library the system installs, loaded once for the whole process; null when it cannot be
// loaded or lacks one of the calls, which callers answer as a server that cannot be reached.
const CupsLibrary* Cups();

// The calls from the library file named; none when it cannot be loaded or lacks one.
std::optional<CupsLibrary> LoadCupsLibrary(const char* file);

}  // namespace vantrel
