#include "shell/x11_auto_repeat.h"

#include <X11/XKBlib.h>

namespace vantrel {

bool RequestDetectableAutoRepeat(_XDisplay* display) {
    Bool supported = False;
    XkbSetDetectableAutoRepeat(display, True, &supported);
    return supported == True;
}

}  // namespace vantrel
