#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/vocabulary.h"

namespace vantrel {

// The system clipboard's plain text.
class ClipboardPort {
  public:
    virtual ~ClipboardPort() = default;
    // nullopt when the clipboard holds no text (empty, or only a picture).
    virtual std::optional<std::string> Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

// What the keyboard, the menus and the dispatcher ask of the main window beyond the
// calculator and the tape.
class WindowPort {
  public:
    virtual ~WindowPort() = default;
    // Inverts TapeShown and applies it: tape visibility, menu check mark, window width.
    virtual void ToggleTapeShown() = 0;
    // Pressed look (single fixed frame) or rest look of a keypad button.
    virtual void ShowButtonPressed(CommandIndex index, bool pressed) = 0;
    virtual void PageUpDown(PageDirection direction) = 0;
    virtual void CopyTapeImage(TapeImageMode Mode) = 0;
    // Asks "Exit Vantrel Calculator" and closes the window on OK.
    virtual void ExitPrompt() = 0;
    // The handlers of the menu entries that are no keypad key, named after the entry.
    // File > Exit: closes the window at once, without a question.
    virtual void m_Exit_Click() = 0;
    // File > Select Printer, entry `Index`; its check mark is left as it was.
    virtual void m_Prn_Click(std::int16_t Index) = 0;
    // Options > Always on top, with the check mark already inverted.
    virtual void m_OnTop_Click(bool OnTop) = 0;
    virtual void m_SaveSettings_Click() = 0;
    virtual void m_Default_Click() = 0;
    virtual void m_About_Click() = 0;
};

}  // namespace vantrel
