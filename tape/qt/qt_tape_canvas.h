#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>

#include "tape/tape_canvas.h"
#include "tape/tape_geometry.h"

class QPaintDevice;
class QPainter;

namespace vantrel {

class TapeMarks;

// How twips map onto a painter's device, and the ink that "normal" means there.
struct CanvasScale {
    double devicePerTwip = 1.0 / 15;  // device units of one twip
    double markPixel = 1.0;           // device units of one pixel of a mark image
    QColor normalInk;
};

// A TapeCanvas on a QPainter: the screen's image, an exported bitmap or a printer page.
class QtTapeCanvas : public TapeCanvas {
  public:
    QtTapeCanvas(QPainter& painter, const QFont& font, const TapeMarks& marks, CanvasScale scale);

    double textWidth(std::string_view text) const override;
    double textHeight(std::string_view text) const override;
    void drawText(double x, double y, std::string_view text, TapeInk ink) override;
    void drawMark(int index, double x, double y, double height) override;

  private:
    QPainter& m_painter;
    QFontMetricsF m_metrics;
    const TapeMarks& m_marks;
    CanvasScale m_scale;
};

// The row height and character cell of a font on a device: the height and width of "W" in
// twips, rounded.
TapeMetrics MeasureTapeMetrics(const QFont& font, QPaintDevice* device, double devicePerTwip);

}  // namespace vantrel
