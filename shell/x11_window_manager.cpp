#include "shell/x11_window_manager.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <memory>

namespace vantrel {
namespace {

constexpr long kMostAtomsRead = 4096;

struct XFreeDeleter {
    void operator()(unsigned char* data) const { XFree(data); }
};

}  // namespace

bool WindowManagerSupports(_XDisplay* display, const char* hint) {
    const Atom supported = XInternAtom(display, "_NET_SUPPORTED", True);
    const Atom wanted = XInternAtom(display, hint, True);
    if (supported == None || wanted == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* raw = nullptr;
    const int status =
        XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, kMostAtomsRead, False,
                           XA_ATOM, &type, &format, &count, &left, &raw);
    const std::unique_ptr<unsigned char, XFreeDeleter> data(raw);
    if (status != Success || data == nullptr || type != XA_ATOM || format != 32) {
        return false;
    }
    const auto* atoms = reinterpret_cast<const Atom*>(data.get());
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

}  // namespace vantrel
