#pragma once

#include <optional>
#include <string>
#include <utility>

#include "commands/command_ports.h"
#include "core/ports.h"

// Stand-ins that the adding machine puts between its ports and its parts, so that a replay of
// what it was once told runs the same code without a sound and with the clipboard it had then.
namespace vantrel {

class SilenceableTones : public TonePort {
  public:
    explicit SilenceableTones(TonePort& tones) : m_tones(tones) {}

    void ErrorBeep() override {
        if (!m_silent) {
            m_tones.ErrorBeep();
        }
    }
    void SetSilent(bool silent) { m_silent = silent; }

  private:
    TonePort& m_tones;
    bool m_silent = false;
};

// The clipboard, or while pinned the text it held when a paste was first made.
class PinnableClipboard : public ClipboardPort {
  public:
    explicit PinnableClipboard(ClipboardPort& clipboard) : m_clipboard(clipboard) {}

    std::optional<std::string> Text() const override {
        return m_pinned ? *m_pinned : m_clipboard.Text();
    }
    void SetText(const std::string& text) override { m_clipboard.SetText(text); }

    void Pin(std::optional<std::string> text) { m_pinned.emplace(std::move(text)); }
    void Unpin() { m_pinned.reset(); }

  private:
    ClipboardPort& m_clipboard;
    std::optional<std::optional<std::string>> m_pinned;
};

}  // namespace vantrel
