#include "shell/key_event_filter.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include "commands/keyboard_map.h"
#include "commands/qt/virtual_key.h"
#include "shell/arrow_focus.h"
#include "shell/keymap/keymap_source.h"
#include "shell/x11_auto_repeat.h"

namespace vantrel {

namespace {

// On X11 the server is asked to send a held key's repeats as presses alone. Qt still guesses
// repeats there, from a release followed within a few milliseconds by a press of the same key,
// and so marks a fast typist's real presses as repeats; with the server's promise kept, Qt's
// mark is not looked at and the mapping drops repeated presses by their key code.
bool ServerSendsOnlyRealReleases() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr && x11->display() != nullptr &&
           RequestDetectableAutoRepeat(x11->display());
}

}  // namespace

KeyEventFilter::KeyEventFilter(QWidget& window, KeyboardMapping& mapping, const ArrowFocus& arrows)
    : m_window(window),
      m_mapping(mapping),
      m_arrows(arrows),
      m_trustRepeatMarks(!ServerSendsOnlyRealReleases()),
      m_keymap(ActiveKeymap()),
      m_lookup(
          [this](quint32 scanCode) { return m_keymap ? m_keymap->Key(scanCode) : std::nullopt; }) {
    qApp->installEventFilter(this);
}

KeyEventFilter::~KeyEventFilter() {
    qApp->removeEventFilter(this);
}

bool KeyEventFilter::IsForWindow(QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && widget->window() == &m_window &&
           QApplication::activePopupWidget() == nullptr &&
           QApplication::activeModalWidget() == nullptr;
}

// Elsewhere a held key repeats as pairs of release and press that the platform marks as
// repeats; only the first press and the real release reach the mapping.
bool KeyEventFilter::IsRepeat(const QKeyEvent& event) const {
    return m_trustRepeatMarks && event.isAutoRepeat();
}

void KeyEventFilter::KeyDown(const QKeyEvent& event) {
    if (!IsRepeat(event)) {
        m_mapping.Form_KeyDown(VirtualKeyCode(event, m_lookup), ModifierMask(event.modifiers()));
    }
}

void KeyEventFilter::KeyUp(const QKeyEvent& event) {
    if (!IsRepeat(event)) {
        m_mapping.Form_KeyUp(VirtualKeyCode(event, m_lookup));
    }
}

// A focus key goes on to the focused control, unless an arrow moved the focus itself; the
// mapping never sees it, so it neither presses a key nor forgets the last one.
bool KeyEventFilter::MoveFocus(const QKeyEvent& event) const {
    return event.type() == QEvent::KeyPress && m_arrows.Move(event.key());
}

bool KeyEventFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (!IsForWindow(watched)) {
                return false;
            }
            if (const auto& key = static_cast<const QKeyEvent&>(*event);
                IsFocusKey(VirtualKeyCode(key, m_lookup), ModifierMask(key.modifiers()))) {
                return MoveFocus(key);
            }
            if (event->type() == QEvent::KeyPress) {
                KeyDown(static_cast<const QKeyEvent&>(*event));
            } else {
                KeyUp(static_cast<const QKeyEvent&>(*event));
            }
            return true;
        case QEvent::WindowActivate:
            if (watched == &m_window) {
                m_mapping.ForgetLastKey();
            }
            return false;
        default:
            return false;
    }
}

}  // namespace vantrel
