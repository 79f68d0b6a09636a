#pragma once

namespace vantrel {

// Whether the window system can keep a window above the others: an X11 window manager that
// lists _NET_WM_STATE_ABOVE among what it supports. Wayland has no such request, and an X
// server without a window manager keeps no window above. Elsewhere (the offscreen platform)
// nothing refuses the window's own flag.
bool DesktopKeepsWindowsAbove();

}  // namespace vantrel
