#include "core/indicators.h"

#include "core/tape_line.h"

namespace vantrel {

void Indicators::BeginBlink(Ink ink) {
    SetCaption("");
    m_display.RepaintDisplayNow();
    m_display.SetDisplayInk(ink);
    m_blinking = true;
    m_timer.Start(kBlinkMilliseconds);
}

void Indicators::EndBlink(const std::string& pending) {
    if (!m_blinking) {
        return;
    }
    CancelBlink();
    SetCaption(pending);
}

void Indicators::ShowEntryText(const std::string& text) {
    CancelBlink();
    m_display.SetDisplayInk(Ink::Black);
    SetCaption(text);
}

void Indicators::ShowErrorText() {
    CancelBlink();
    // A label's text ends in a blank, as every number put into one does.
    SetCaption(std::string(kErrorLineText) + " ");
}

void Indicators::SetCaption(const std::string& text) {
    m_caption = text;
    m_display.SetDisplayText(text);
}

void Indicators::CancelBlink() {
    if (m_blinking) {
        m_blinking = false;
        m_timer.Stop();
    }
}

}  // namespace vantrel
