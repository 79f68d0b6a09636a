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
    }
}

bool SvgFace::Draw(QPainter& painter, const QRectF& bounds) {
    if (!m_renderer) {
        m_renderer = std::make_unique<QSvgRenderer>(m_path);
    }
    if (!m_renderer->isValid()) {
        return false;
    }
    m_renderer->render(&painter, bounds);
    return true;
}

}  // namespace vantrel
