#pragma once

#include <QAbstractButton>

#include "commands/qt/svg_face.h"

namespace vantrel {

// One picture key of the keypad. At rest it shows only its face; while held down by the mouse
// or by its key it shows a single fixed frame, and nothing else about it changes. A click (press
// and release on the key) emits clicked(); the frame is gone before that.
class KeypadButton : public QAbstractButton {
    Q_OBJECT

  public:
    explicit KeypadButton(QWidget* parent);

    void SetFace(const QString& path);
    QString Face() const { return m_face.Path(); }

    void SetPressedLook(bool pressed);
    bool PressedLook() const { return m_pressedLook; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // theButton_MouseDown and theButton_MouseUp: any mouse button gives the frame.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void DrawFrame(QPainter& painter) const;
    void DrawFocus(QPainter& painter) const;

    SvgFace m_face;
    bool m_pressedLook = false;
};

}  // namespace vantrel
