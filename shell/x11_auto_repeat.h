#pragma once

struct _XDisplay;

namespace vantrel {

// Asks the X server to send a held key's repeats to this connection as presses alone, with no
// release between them, so that every release that arrives is the user's. Returns whether the
// server agreed. Kept apart from Qt's headers, which Xlib's macros would break.
bool RequestDetectableAutoRepeat(_XDisplay* display);

}  // namespace vantrel
