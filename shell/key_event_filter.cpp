#include "shell/key_event_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "commands/keyboard_map.h"
#include "commands/qt/virtual_key.h"

namespace vantrel {

KeyEventFilter::KeyEventFilter(QWidget& window, KeyboardMapping& mapping)
    : m_window(window), m_mapping(mapping) {
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

// A held key repeats as pairs of release and press, both stamped with the same time. Only the
// first press and the real release reach the mapping, or the key would act at every repeat.
// The platform marks the pairs as repeats but now and then misses one, so a press stamped
// with the time of the release just before it is a repeat as well.
void KeyEventFilter::KeyDown(const QKeyEvent& event) {
    const int keyCode = VirtualKeyCode(event);
    const bool repeat =
        event.isAutoRepeat() || (event.timestamp() != 0 && keyCode == m_releasedKeyCode &&
                                 event.timestamp() == m_releasedAt);
    if (!repeat) {
        m_mapping.Form_KeyDown(keyCode, ModifierMask(event.modifiers()));
    }
}

void KeyEventFilter::KeyUp(const QKeyEvent& event) {
    if (event.isAutoRepeat()) {
        return;
    }
    m_releasedKeyCode = VirtualKeyCode(event);
    m_releasedAt = event.timestamp();
    m_mapping.Form_KeyUp(m_releasedKeyCode);
}

bool KeyEventFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (!IsForWindow(watched)) {
                return false;
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
