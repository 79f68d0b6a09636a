#pragma once

#include <functional>
#include <string>
#include <utility>

#include "core/ports.h"
#include "shell/dbus/window_texts.h"
#include "shell/display_labels.h"

namespace vantrel {

class FramePacer;
class Keypad;
class MainMenus;
class RoundOptPanel;

// The calculator's view of the window: the three labels, the Undo key with its menu entry,
// and the option buttons; and the labels' texts as the message interface reads them.
class WindowDisplay : public DisplayPort, public WindowTexts {
  public:
    WindowDisplay(const DisplayLabels& labels, const Keypad& keypad, MainMenus& menus,
                  const RoundOptPanel& options, FramePacer& pacer)
        : m_labels(labels), m_keypad(keypad), m_menus(menus), m_options(options), m_pacer(pacer) {}

    void SetDisplayText(const std::string& text) override;
    void SetDisplayInk(Ink ink) override;
    void RepaintDisplayNow() override;
    void SetMemoryLabel(const std::string& text) override;
    void SetCounterLabel(const std::string& text) override;
    void ShowUndoAvailable(bool available) override;
    void ShowRoundOption(int mode) override;

    QString MemoryText() const override;
    QString CounterText() const override;
    void SetTextListener(std::function<void()> listener) override {
        m_textListener = std::move(listener);
    }

  private:
    void TellTextChanged() const;

    DisplayLabels m_labels;
    const Keypad& m_keypad;
    MainMenus& m_menus;
    const RoundOptPanel& m_options;
    FramePacer& m_pacer;
    std::function<void()> m_textListener;
};

}  // namespace vantrel
