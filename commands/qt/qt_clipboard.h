#pragma once

#include <QImage>
#include <optional>
#include <string>

#include "commands/command_ports.h"

namespace vantrel {

// The desktop clipboard: the display's number as plain text, a number read from plain text,
// and the tape as a picture.
class QtClipboard : public ClipboardPort {
  public:
    std::optional<std::string> Text() const override;
    void SetText(const std::string& text) override;
    // A null image (the tape could not give one) leaves the clipboard as it was.
    void SetImage(const QImage& image);
};

}  // namespace vantrel
