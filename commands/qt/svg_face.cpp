#include "commands/qt/svg_face.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vantrel {

SvgFace::SvgFace() = default;
SvgFace::~SvgFace() = default;

void SvgFace::SetPath(const QString& path) {
    if (path != m_path) {
        m_path = path;
        m_renderer.reset();
        m_rendered = QImage();
    }
}

bool SvgFace::Draw(QPainter& painter, const QRectF& bounds) {
    if (!m_renderer) {
        m_renderer = std::make_unique<QSvgRenderer>(m_path);
    }
    if (!m_renderer->isValid()) {
        return false;
    }
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRect aligned = bounds.toAlignedRect();
    // Drawn as it is where a copy could not land on the same pixels.
    if (QRectF(aligned) != bounds || painter.transform().type() > QTransform::TxTranslate) {
        m_renderer->render(&painter, bounds);
        return true;
    }
    painter.drawImage(aligned.topLeft(), Rendered(aligned.size() * ratio, ratio));
    return true;
}

const QImage& SvgFace::Rendered(const QSize& pixels, qreal ratio) {
    if (m_rendered.size() != pixels || m_rendered.devicePixelRatio() != ratio) {
        m_rendered = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_rendered.fill(Qt::transparent);
        m_rendered.setDevicePixelRatio(ratio);
        QPainter painter(&m_rendered);
        m_renderer->render(&painter, QRectF(QPointF(0, 0), m_rendered.deviceIndependentSize()));
    }
    return m_rendered;
}

}  // namespace vantrel
