#pragma once

#include "core/vocabulary.h"

namespace vantrel {

class CalcTape;
class QtClipboard;

// Puts a picture of the tape on the clipboard: the whole tape, the lines in view or the last
// calculation. The tape is hidden while it renders at a temporary size. Failures
// leave the clipboard as it was and are not reported.
void CopyTapeImage(CalcTape& tape, QtClipboard& clipboard, TapeImageMode Mode);

}  // namespace vantrel
