#pragma once

#include <string>

#include "core/ports.h"

namespace vantrel {

// The display label with its result blink. It remembers what it last put on the display so
// that Copy can take the text the user sees, or during a blink the text about to appear.
class Indicators {
  public:
    static constexpr int kBlinkMilliseconds = 100;

    Indicators(DisplayPort& display, BlinkTimer& timer) : m_display(display), m_timer(timer) {}

    // Blanks the display at once and sets the ink; the timer's event ends the blink.
    void BeginBlink(Ink ink);
    // The timer's event: the pending text appears.
    void EndBlink(const std::string& pending);
    // Entry text and the error text are written without a blink. A blink still running is
    // cancelled, so a quick key after a result is never painted over by the older result.
    void ShowEntryText(const std::string& text);
    void ShowErrorText();

    const std::string& Caption() const { return m_caption; }
    bool Blinking() const { return m_blinking; }

  private:
    void SetCaption(const std::string& text);
    void CancelBlink();

    DisplayPort& m_display;
    BlinkTimer& m_timer;
    std::string m_caption;
    bool m_blinking = false;
};

}  // namespace vantrel
