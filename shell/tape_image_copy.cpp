#include "shell/tape_image_copy.h"

#include "commands/qt/qt_clipboard.h"
#include "tape/qt/calc_tape.h"

namespace vantrel {

void CopyTapeImage(CalcTape& tape, QtClipboard& clipboard, TapeImageMode Mode) {
    // A hidden tape stays hidden afterwards, so its visibility keeps agreeing with the Show
    // Tape check mark.
    const bool wasHidden = tape.isHidden();
    tape.hide();
    const QImage image = tape.GetTapeImage(Mode);
    tape.setHidden(wasHidden);
    clipboard.SetImage(image);
}

}  // namespace vantrel
