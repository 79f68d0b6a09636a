#include "shell/about_controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace vantrel {

namespace {

bool IsClick(const QWidget& widget, const QMouseEvent& event) {
    return event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (IsClick(*this, *event)) {
        emit clicked();
    }
}

PictureBox::PictureBox(QWidget* parent, const QString& path)
    : QWidget(parent), m_picture(std::make_unique<QSvgRenderer>(path)) {}

PictureBox::~PictureBox() = default;

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_picture->render(&painter, QRectF(rect()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (IsClick(*this, *event)) {
        emit clicked();
    }
}

}  // namespace vantrel
