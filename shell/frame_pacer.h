#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace vantrel {

// Paints the window at most once a frame. The first change after a quiet frame is painted at
// once, so a key a person types, and the blank display of its result blink, show without
// delay; changes that come faster than that, such as a program's burst of messages, are
// gathered into the next frame.
class FramePacer : public QObject {
  public:
    explicit FramePacer(QWidget& window);

    // A paint the rules ask for at once, such as the blank display of the result blink: before
    // returning when it answers a key or a click of the person at the window, or when the
    // frame is due; within a frame of a program's message it joins the next frame, where the
    // messages coming faster than the screen are gathered as well.
    void PaintNow(QWidget& widget);

    static constexpr int kFrameMilliseconds = 16;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void PaintHeldFrame();

    QWidget& m_window;
    bool FrameDue() const;

    QElapsedTimer m_sincePaint;
    QElapsedTimer m_sinceInput;
    QTimer m_held;
    bool m_unpaced = false;
};

}  // namespace vantrel
