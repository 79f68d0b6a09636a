#pragma once

#include <array>
#include <cstdint>
#include <functional>

class QWidget;

namespace vantrel {

class KeypadButton;

// The control array theButton (31 picture keys) and the two hidden pictures Picture1(0) and
// Picture1(1) that hold the Undo key's unavailable and available faces.
class Keypad {
  public:
    static constexpr int kKeyCount = 31;
    static constexpr std::int16_t kUndoKey = 30;

    Keypad(QWidget& parent, std::function<void(std::int16_t)> theButton_Click);

    KeypadButton& Button(int index) const { return *m_theButton.at(index); }
    // The pressed look (single fixed frame) or the rest look; an unknown index is ignored.
    void ShowButtonPressed(int index, bool pressed) const;
    // The Undo key's picture and enabled state.
    void ShowUndoAvailable(bool available) const;
    bool UndoEnabled() const;

  private:
    std::array<KeypadButton*, kKeyCount> m_theButton{};
    std::array<QWidget*, 2> m_Picture1{};
};

}  // namespace vantrel
