#pragma once

#include "core/ports.h"

class QObject;
class QTimer;

namespace vantrel {

// Timer1: the one-shot timer that ends the display's result blink.
class QtBlinkTimer : public BlinkTimer {
  public:
    explicit QtBlinkTimer(QObject& parent);

    void Start(int milliseconds) override;
    void Stop() override;
    QTimer& Timer1() const { return *m_timer; }

  private:
    QTimer* m_timer;
};

}  // namespace vantrel
