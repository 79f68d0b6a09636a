#pragma once

#include <optional>
#include <string>

namespace vantrel {

// The system clipboard's plain text.
class ClipboardPort {
  public:
    virtual ~ClipboardPort() = default;
    // nullopt when the clipboard holds no text (empty, or only a picture).
    virtual std::optional<std::string> Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

// What the keypad asks of the main window beyond the calculator and the tape.
class WindowPort {
  public:
    virtual ~WindowPort() = default;
    // Inverts TapeShown and applies it: tape visibility, menu check mark, window width.
    virtual void ToggleTapeShown() = 0;
};

}  // namespace vantrel
