#pragma once

namespace vantrel {

// What the window system the program runs on does for its windows.
struct DesktopAbilities {
    // Keeps a window above the others: an X11 window manager that lists _NET_WM_STATE_ABOVE
    // among what it supports. Wayland has no such request, and an X server without a window
    // manager keeps no window above.
    bool keepsWindowsAbove = true;
    // Tells a program where its window is and lets it place it; a Wayland compositor does
    // neither.
    bool tellsWindowPositions = true;
};

// The abilities of the platform Qt runs on; the offscreen platform refuses nothing.
DesktopAbilities AskDesktop();

}  // namespace vantrel
