#include "tape/qt/qt_tape_canvas.h"

#include <QPainter>
#include <QString>

#include "core/half_even.h"
#include "tape/qt/tape_marks.h"
#include "tape/qt/to_qstring.h"

namespace vantrel {
namespace {

const QColor kRedInk(255, 0, 0);

}  // namespace

QtTapeCanvas::QtTapeCanvas(QPainter& painter, const QFont& font, const TapeMarks& marks,
                           CanvasScale scale)
    : m_painter(painter), m_metrics(font, painter.device()), m_marks(marks), m_scale(scale) {
    m_painter.setFont(font);
}

double QtTapeCanvas::textWidth(std::string_view text) const {
    return m_metrics.horizontalAdvance(ToQString(text)) / m_scale.devicePerTwip;
}

double QtTapeCanvas::textHeight(std::string_view) const {
    return m_metrics.height() / m_scale.devicePerTwip;
}

void QtTapeCanvas::drawText(double x, double y, std::string_view text, TapeInk ink) {
    m_painter.setPen(ink == TapeInk::Red ? kRedInk : m_scale.normalInk);
    const QPointF baseline(x * m_scale.devicePerTwip,
                           y * m_scale.devicePerTwip + m_metrics.ascent());
    m_painter.drawText(baseline, ToQString(text));
}

void QtTapeCanvas::drawMark(int index, double x, double y, double height) {
    const double width = m_marks.pixelSize(index).width() * m_scale.markPixel;
    m_marks.draw(m_painter, index,
                 QRectF(x * m_scale.devicePerTwip, y * m_scale.devicePerTwip, width,
                        height * m_scale.devicePerTwip));
}

TapeMetrics MeasureTapeMetrics(const QFont& font, QPaintDevice* device, double devicePerTwip) {
    const QFontMetricsF metrics(font, device);
    return {
        RoundHalfEvenTo<std::int32_t>(metrics.height() / devicePerTwip),
        RoundHalfEvenTo<std::int32_t>(metrics.horizontalAdvance(QLatin1Char('W')) / devicePerTwip)};
}

}  // namespace vantrel
