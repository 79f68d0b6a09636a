#include "shell/frame_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace vantrel {

FramePacer::FramePacer(QWidget& window) : QObject(&window), m_window(window) {
    m_held.setSingleShot(true);
    connect(&m_held, &QTimer::timeout, this, [this] { PaintHeldFrame(); });
    window.installEventFilter(this);
}

// Qt asks for a paint of the whole window with one update request and asks again only after
// that one was handled; a request held back here is sent anew when the frame is due.
bool FramePacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_window || event->type() != QEvent::UpdateRequest) {
        return false;
    }
    if (m_unpaced || !m_sincePaint.isValid() || m_sincePaint.elapsed() >= kFrameMilliseconds) {
        m_sincePaint.start();
        return false;
    }
    if (!m_held.isActive()) {
        m_held.start(static_cast<int>(kFrameMilliseconds - m_sincePaint.elapsed()));
    }
    return true;
}

void FramePacer::PaintNow(QWidget& widget) {
    m_unpaced = true;
    widget.repaint();
    m_unpaced = false;
}

void FramePacer::PaintHeldFrame() {
    m_sincePaint.invalidate();
    QCoreApplication::postEvent(&m_window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
}

}  // namespace vantrel
