#pragma once

struct _XDisplay;

namespace vantrel {

// Whether the running window manager lists the hint among those of _NET_SUPPORTED on the root
// window; false with no window manager.
bool WindowManagerSupports(_XDisplay* display, const char* hint);

}  // namespace vantrel
