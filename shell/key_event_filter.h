#pragma once

#include <QObject>
#include <memory>

#include "commands/qt/virtual_key.h"

class QKeyEvent;
class QWidget;

namespace vantrel {

class ArrowFocus;
class KeyboardMapping;
class KeymapSource;

// Hands every key of the main window to the keyboard mapping, whichever of its controls has
// the focus, and nothing else gets those keys; but the keys the keyboard tables leave free
// move the focus: Tab and Shift+Tab as usual, the arrows within a group of controls by
// `arrows`, and what the focused control makes of them (the tape goes line by line). A key is
// known by what the desktop's keyboard map says it carries. Keys meant for a menu or a message
// box that is open pass by. When the window is activated again the mapping forgets its last
// key, whose release may have gone to another window.
class KeyEventFilter : public QObject {
  public:
    KeyEventFilter(QWidget& window, KeyboardMapping& mapping, const ArrowFocus& arrows);
    ~KeyEventFilter() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool IsForWindow(QObject* watched) const;
    bool IsRepeat(const QKeyEvent& event) const;
    void KeyDown(const QKeyEvent& event);
    void KeyUp(const QKeyEvent& event);
    bool MoveFocus(const QKeyEvent& event) const;

    QWidget& m_window;
    KeyboardMapping& m_mapping;
    const ArrowFocus& m_arrows;
    const bool m_trustRepeatMarks;
    std::unique_ptr<KeymapSource> m_keymap;
    const KeymapLookup m_lookup;
};

}  // namespace vantrel
