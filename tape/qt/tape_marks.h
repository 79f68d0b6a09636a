#pragma once

#include <QRectF>
#include <QSize>
#include <QSvgRenderer>
#include <array>
#include <memory>

#include "core/tape_line.h"

class QPainter;

namespace vantrel {

// The eleven mark images (Picture1), indexed by line code 0 to 10: blue glyphs on white,
// kept as vectors so that they stay sharp at any size they are drawn at. Each is read from
// its resource when a line first needs it: a window opens on an empty tape, which needs none.
class TapeMarks {
  public:
    static constexpr int kCount = LineCode(TapeOpMemoryClear) + 1;

    // The image's own size in pixels.
    QSize pixelSize(int index) const;
    void draw(QPainter& painter, int index, const QRectF& target) const;

  private:
    QSvgRenderer& Renderer(int index) const;

    mutable std::array<std::unique_ptr<QSvgRenderer>, kCount> m_renderers;
};

}  // namespace vantrel
