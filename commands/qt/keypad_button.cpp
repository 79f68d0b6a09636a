#include "commands/qt/keypad_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>

namespace vantrel {

namespace {

constexpr QSize kKeySize{38, 38};

// The sunken two-pixel edge of a fixed single frame.
const QColor kShadow{128, 128, 128};
const QColor kDarkShadow{0, 0, 0};
const QColor kLight{223, 223, 223};
const QColor kHighlight{255, 255, 255};

void DrawEdge(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace

KeypadButton::KeypadButton(QWidget* parent) : QAbstractButton(parent) {
    // Tab reaches a key so that a screen reader can tell its name; a click leaves the focus
    // where it was.
    setFocusPolicy(Qt::TabFocus);
}

void KeypadButton::SetFace(const QString& path) {
    m_face.SetPath(path);
    update();
}

void KeypadButton::SetPressedLook(bool pressed) {
    if (pressed != m_pressedLook) {
        m_pressedLook = pressed;
        update();
    }
}

QSize KeypadButton::sizeHint() const {
    return kKeySize;
}

void KeypadButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_face.Draw(painter, rect())) {
        painter.fillRect(rect(), palette().button());
        painter.drawText(rect(), Qt::AlignCenter, accessibleName());
    }
    if (m_pressedLook) {
        DrawFrame(painter);
    }
    if (hasFocus()) {
        DrawFocus(painter);
    }
}

void KeypadButton::DrawFocus(QPainter& painter) const {
    painter.setPen(QPen(palette().highlight(), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

void KeypadButton::DrawFrame(QPainter& painter) const {
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    DrawEdge(painter, outer, kShadow, kHighlight);
    DrawEdge(painter, outer.adjusted(1, 1, -1, -1), kDarkShadow, kLight);
}

void KeypadButton::mousePressEvent(QMouseEvent* event) {
    SetPressedLook(true);
    QAbstractButton::mousePressEvent(event);
}

void KeypadButton::mouseReleaseEvent(QMouseEvent* event) {
    SetPressedLook(false);
    QAbstractButton::mouseReleaseEvent(event);
}

}  // namespace vantrel
