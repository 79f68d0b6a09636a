#include "tape/qt/tape_marks.h"

#include <QPainter>
#include <QString>
#include <stdexcept>

namespace vantrel {

QSize TapeMarks::pixelSize(int index) const {
    return Renderer(index).defaultSize();
}

void TapeMarks::draw(QPainter& painter, int index, const QRectF& target) const {
    Renderer(index).render(&painter, target);
}

QSvgRenderer& TapeMarks::Renderer(int index) const {
    std::unique_ptr<QSvgRenderer>& renderer = m_renderers.at(static_cast<std::size_t>(index));
    if (!renderer) {
        auto loaded =
            std::make_unique<QSvgRenderer>(QStringLiteral(":/marks/mark_%1.svg").arg(index));
        if (!loaded->isValid()) {
            throw std::runtime_error("a tape mark image is missing from the resources");
        }
        loaded->setAspectRatioMode(Qt::IgnoreAspectRatio);
        renderer = std::move(loaded);
    }
    return *renderer;
}

}  // namespace vantrel
