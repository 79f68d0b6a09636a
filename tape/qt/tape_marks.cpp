#include "tape/qt/tape_marks.h"

#include <QPainter>
#include <QString>
#include <stdexcept>

namespace vantrel {

TapeMarks::TapeMarks() {
    for (int index = 0; index < kCount; ++index) {
        auto renderer =
            std::make_unique<QSvgRenderer>(QStringLiteral(":/marks/mark_%1.svg").arg(index));
        if (!renderer->isValid()) {
            throw std::runtime_error("a tape mark image is missing from the resources");
        }
        renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
        m_renderers[static_cast<std::size_t>(index)] = std::move(renderer);
    }
}

QSize TapeMarks::pixelSize(int index) const {
    return m_renderers.at(static_cast<std::size_t>(index))->defaultSize();
}

void TapeMarks::draw(QPainter& painter, int index, const QRectF& target) const {
    m_renderers.at(static_cast<std::size_t>(index))->render(&painter, target);
}

}  // namespace vantrel
