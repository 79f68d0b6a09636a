#pragma once

#include <QImage>
#include <QString>
#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace vantrel {

// A key face picture, read from its resource the first time it is drawn so that start-up
// parses no picture before the window is on screen. It is rendered once for each size and
// pixel density it is drawn at: a key repainted as it goes down and up again is a copy.
class SvgFace {
  public:
    SvgFace();
    ~SvgFace();
    SvgFace(const SvgFace&) = delete;
    SvgFace& operator=(const SvgFace&) = delete;

    void SetPath(const QString& path);
    const QString& Path() const { return m_path; }
    // Returns false, drawing nothing, when the picture cannot be read.
    bool Draw(QPainter& painter, const QRectF& bounds);

  private:
    const QImage& Rendered(const QSize& pixels, qreal ratio);

    QString m_path;
    std::unique_ptr<QSvgRenderer> m_renderer;
    QImage m_rendered;
};

}  // namespace vantrel
