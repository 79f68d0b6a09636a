#include "shell/first_frame.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace vantrel {
namespace {

// The window's platform half exists once the widget is shown; its first expose paints the
// first frame before the event loop runs again.
class FirstFrameWatch : public QObject {
  public:
    FirstFrameWatch(QWidget& window, std::function<void()> step)
        : QObject(&window), m_window(window), m_step(std::move(step)) {
        if (!WatchPlatformWindow()) {
            window.installEventFilter(this);
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Show) {
            m_window.removeEventFilter(this);
            WatchPlatformWindow();
        } else if (watched != &m_window && event->type() == QEvent::Expose &&
                   m_window.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, &m_window, std::move(m_step));
            deleteLater();
        }
        return false;
    }

  private:
    bool WatchPlatformWindow() {
        QWindow* platform = m_window.windowHandle();
        if (platform == nullptr) {
            return false;
        }
        platform->installEventFilter(this);
        return true;
    }

    QWidget& m_window;
    std::function<void()> m_step;
};

}  // namespace

void AfterFirstFrame(QWidget& window, std::function<void()> step) {
    new FirstFrameWatch(window, std::move(step));
}

}  // namespace vantrel
