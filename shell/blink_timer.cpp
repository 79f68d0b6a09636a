#include "shell/blink_timer.h"

#include <QTimer>

namespace vantrel {

QtBlinkTimer::QtBlinkTimer(QObject& parent) : m_timer(new QTimer(&parent)) {
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
}

void QtBlinkTimer::Start(int milliseconds) {
    m_timer->start(milliseconds);
}

void QtBlinkTimer::Stop() {
    m_timer->stop();
}

}  // namespace vantrel
