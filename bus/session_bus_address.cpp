#include "bus/session_bus_address.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vantrel {
namespace {

// A bus address value: every byte outside [-0-9A-Za-z_/.*] is %-escaped.
std::string EscapedAddressValue(const std::string& value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= 'a' && byte <= 'z') || c == '-' || c == '_' || c == '/' ||
                           c == '.' || c == '*';
        if (plain) {
            escaped += c;
        } else {
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        }
    }
    return escaped;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::optional<std::string> SessionBusAddress() {
    if (std::string address = Variable("DBUS_SESSION_BUS_ADDRESS"); !address.empty()) {
        return address;
    }
    const std::string runtimeDir = Variable("XDG_RUNTIME_DIR");
    if (runtimeDir.empty()) {
        return std::nullopt;
    }
    const std::string socket = runtimeDir + "/bus";
    std::error_code error;
    if (!std::filesystem::exists(socket, error)) {
        return std::nullopt;
    }
    return "unix:path=" + EscapedAddressValue(socket);
}

}  // namespace vantrel
