#pragma once

#include <QString>
#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace vantrel {

// A key face picture, read from its resource the first time it is drawn so that start-up
// parses no picture before the window is on screen.
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
    QString m_path;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

}  // namespace vantrel
