#pragma once

#include <optional>
#include <string>

namespace vantrel {

// The session bus to use: the one in DBUS_SESSION_BUS_ADDRESS, else the user's bus socket in
// XDG_RUNTIME_DIR when it exists, else none. Never the X11 "autolaunch" that libdbus would
// otherwise fall back to, which starts a bus of its own and leaves it running.
std::optional<std::string> SessionBusAddress();

}  // namespace vantrel
