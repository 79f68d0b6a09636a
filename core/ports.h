#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/tape_line.h"

// The calculation core reaches the screen, the tape, the timer and the speaker only through
// these interfaces, so that every rule can run without a window.
namespace vantrel {

enum class Ink { Black, Red };

// The display label, the memory and counter labels, the Undo key and the option buttons.
class DisplayPort {
  public:
    virtual ~DisplayPort() = default;
    virtual void SetDisplayText(const std::string& text) = 0;
    virtual void SetDisplayInk(Ink ink) = 0;
    // Paint the display now, even though the caller keeps the event loop busy.
    virtual void RepaintDisplayNow() = 0;
    virtual void SetMemoryLabel(const std::string& text) = 0;
    virtual void SetCounterLabel(const std::string& text) = 0;
    virtual void ShowUndoAvailable(bool available) = 0;
    virtual void ShowRoundOption(int mode) = 0;
};

// The one-shot timer that ends the result blink by calling Calculator::Timer1_Timer.
class BlinkTimer {
  public:
    virtual ~BlinkTimer() = default;
    virtual void Start(int milliseconds) = 0;
    virtual void Stop() = 0;
};

class TonePort {
  public:
    virtual ~TonePort() = default;
    // Three tones, 5000, 3000 and 4000 Hz for 5 ms each; returns when the last has ended.
    virtual void ErrorBeep() = 0;
};

// The tape control as the rest of the program sees it. A full tape is thrown as
// std::overflow_error, which the calculator meets as the failure of an operation; a count
// beyond the stored lines (std::out_of_range) is a fault of the caller.
class TapePort {
  public:
    virtual ~TapePort() = default;
    virtual void AddDataLine(std::string_view NumStr, TapeOp Op, bool CLR) = 0;
    virtual std::int32_t CurrentLine() const = 0;
    // Sets the count only; a caller that lowers it calls Redraw afterwards.
    virtual void SetCurrentLine(std::int32_t count) = 0;
    virtual void Redraw() = 0;
    virtual void ClearAll() = 0;
    virtual void PrintContent() = 0;
};

}  // namespace vantrel
