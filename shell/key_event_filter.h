#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace vantrel {

class KeyboardMapping;

// Hands every key of the main window to the keyboard mapping, whichever of its controls has
// the focus, and nothing else gets those keys. Keys meant for a menu or a message box that is
// open pass by. When the window is activated again the mapping forgets its last key, whose
// release may have gone to another window.
class KeyEventFilter : public QObject {
  public:
    KeyEventFilter(QWidget& window, KeyboardMapping& mapping);
    ~KeyEventFilter() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool IsForWindow(QObject* watched) const;
    bool IsRepeat(const QKeyEvent& event) const;
    void KeyDown(const QKeyEvent& event);
    void KeyUp(const QKeyEvent& event);

    QWidget& m_window;
    KeyboardMapping& m_mapping;
    const bool m_trustRepeatMarks;
};

}  // namespace vantrel
