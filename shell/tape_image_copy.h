#pragma once

namespace vantrel {

class CalcTape;
class QtClipboard;

// Puts a picture of the tape on the clipboard: mode 1 the whole tape, 2 the lines in view,
// 3 the last calculation. The tape is hidden while it renders at a temporary size. Failures
// leave the clipboard as it was and are not reported.
void CopyTapeImage(CalcTape& tape, QtClipboard& clipboard, int Mode);

}  // namespace vantrel
