#include "shell/frame_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace vantrel {

FramePacer::FramePacer(QWidget& window) : QObject(&window), m_window(window) {
    m_held.setSingleShot(true);
    connect(&m_held, &QTimer::timeout, this, [this] { PaintHeldFrame(); });
    // The application's filter sees the window's update requests, and keys and clicks
    // whichever widget they go to; a filter on the window as well would see each request twice.
    QCoreApplication::instance()->installEventFilter(this);
}

// Qt asks for a paint of the whole window with one update request and asks again only after
// that one was handled; a request held back here is sent anew when the frame is due.
bool FramePacer::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            m_sinceInput.start();
            return false;
        case QEvent::UpdateRequest:
            break;
        default:
            return false;
    }
    if (watched != &m_window) {
        return false;
    }
    if (m_unpaced || FrameDue()) {
        m_sincePaint.start();
        return false;
    }
    if (!m_held.isActive()) {
        m_held.start(static_cast<int>(kFrameMilliseconds - m_sincePaint.elapsed()));
    }
    return true;
}

bool FramePacer::FrameDue() const {
    return !m_sincePaint.isValid() || m_sincePaint.elapsed() >= kFrameMilliseconds;
}

void FramePacer::PaintNow(QWidget& widget) {
    const bool answersPerson =
        m_sinceInput.isValid() && m_sinceInput.elapsed() < kFrameMilliseconds;
    if (!answersPerson && !FrameDue()) {
        widget.update();
        return;
    }
    m_unpaced = true;
    widget.repaint();
    m_unpaced = false;
}

void FramePacer::PaintHeldFrame() {
    m_sincePaint.invalidate();
    QCoreApplication::postEvent(&m_window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
}

}  // namespace vantrel
