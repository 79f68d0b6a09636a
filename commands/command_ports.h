#pragma once

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

// What the keypad and the keyboard ask of the main window beyond the calculator and the tape.
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
};

}  // namespace vantrel
