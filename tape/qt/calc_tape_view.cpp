#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

#include "tape/qt/calc_tape.h"
#include "tape/qt/qt_tape_canvas.h"
#include "tape/tape_draw_pass.h"
#include "tape/tape_scroll.h"

namespace vantrel {
namespace {

const QColor kNormalInk(0, 0, 128);

}  // namespace

void CalcTape::MyCLS() {
    m_surface.fill(Qt::white);
    m_cursor = TapeCursor{m_metrics.LineHeight, {}, true};
    UpdateView(rect());
}

void CalcTape::DrawLine(const TapeLine& line) {
    const std::int64_t start = m_cursor.NextY - m_topOffset;
    {
        QPainter painter(&m_surface);
        QtTapeCanvas canvas(painter, m_font, m_marks, ScreenScale());
        PlaceAndDrawLine(canvas, ScreenColumn(SurfaceWidth(), m_metrics), m_cursor, line,
                         m_topOffset);
    }
    // A line that joins the row above starts a row higher than the cursor stood.
    const double above = static_cast<double>(InkReach() + m_metrics.LineHeight);
    const double below = static_cast<double>(InkReach());
    UpdateView(QRectF(0, (static_cast<double>(start) - above) / m_twipsPerPixel, width(),
                      (above + below) / m_twipsPerPixel)
                   .toAlignedRect());
}

// The scroll bar paints itself when it changes; repainting it with every line of the tape
// would double what a line costs on screen.
void CalcTape::UpdateView(const QRect& area) {
    update(QRegion(area.intersected(rect())).subtracted(m_vScroll->geometry()));
}

std::int64_t CalcTape::InkReach() const {
    return 2 * std::int64_t{m_metrics.LineHeight} + m_metrics.CharWidth;
}

// Moved by whole device pixels, the rows still in view keep exactly the pixels a redraw would
// give them, so only the band that came into view is drawn.
bool CalcTape::ScrollSurfaceUp(std::int64_t twips) {
    const double ratio = m_surface.devicePixelRatio();
    const double exact = static_cast<double>(twips) * ratio / m_twipsPerPixel;
    const int pixels = static_cast<int>(exact);
    if (twips <= 0 || pixels != exact || pixels >= m_surface.height() ||
        m_store.CurrentLine() == 0) {
        return false;
    }
    const auto rowBytes = static_cast<std::size_t>(m_surface.bytesPerLine());
    uchar* bits = m_surface.bits();
    std::memmove(bits, bits + static_cast<std::size_t>(pixels) * rowBytes,
                 static_cast<std::size_t>(m_surface.height() - pixels) * rowBytes);
    const QSizeF size = m_surface.deviceIndependentSize();
    const double bandTop = (m_surface.height() - pixels) / ratio;
    const QRectF band(0, bandTop, size.width(), size.height() - bandTop);
    {
        QPainter painter(&m_surface);
        painter.fillRect(band, Qt::white);
    }
    UpdateView(rect());
    DrawLines(FullTapeRows(), 1, band);
    return true;
}

void CalcTape::Redraw(bool LastCalc) {
    MyCLS();
    const std::int32_t first = LastCalc ? LastCalculationStart(m_store) : 1;
    const QRectF whole(QPointF(0, 0), m_surface.deviceIndependentSize());
    if (first == 1) {
        DrawLines(FullTapeRows(), first, whole);
        return;
    }
    TapeRowIndex rows;
    rows.Reset(m_metrics.LineHeight, first);
    rows.Extend(m_store, m_store.CurrentLine());
    DrawLines(rows, first, whole);
}

// Draws only the lines that reach into `band` of the view, then leaves the cursor where drawing
// every line from `first` would have left it. A line's ink stays within two rows and a cell of
// the y at which it starts; the clip keeps a line that also reaches above the band from being
// drawn twice over the pixels it already has there.
void CalcTape::DrawLines(const TapeRowIndex& rows, std::int32_t first, const QRectF& band) {
    const std::int32_t last = m_store.CurrentLine();
    if (last < first) {
        return;
    }
    const std::int64_t margin = InkReach();
    const auto bottom = static_cast<std::int64_t>(SurfaceHeight()) + m_topOffset + margin;
    const auto bandTop = static_cast<std::int64_t>(std::floor(band.top() * m_twipsPerPixel));
    std::int32_t k =
        std::clamp(rows.FirstLineFrom(m_topOffset + bandTop - margin), first, last + 1);
    {
        QPainter painter(&m_surface);
        painter.setClipRect(band);
        QtTapeCanvas canvas(painter, m_font, m_marks, ScreenScale());
        const TapeColumn column = ScreenColumn(SurfaceWidth(), m_metrics);
        if (k <= last) {
            m_cursor = rows.CursorBefore(m_store, k);
        }
        for (; k <= last && rows.StartY(k) <= bottom; ++k) {
            PlaceAndDrawLine(canvas, column, m_cursor, m_store.Line(k), m_topOffset);
        }
    }
    m_cursor = rows.CursorBefore(m_store, last + 1);
    UpdateView(band.toAlignedRect());
}

const TapeRowIndex& CalcTape::FullTapeRows() {
    m_rows.Extend(m_store, m_store.CurrentLine());
    return m_rows;
}

void CalcTape::UpdateScroll() {
    const std::optional<int> rows =
        RowsBelowView(m_cursor.NextY, SurfaceHeight(), m_metrics.LineHeight);
    if (!rows) {
        const int before = m_vScroll->value();
        m_vScroll->SetMaximumAndValue(0, 0);
        if (m_vScroll->value() != before) {
            VScroll1_Change();
        }
        return;
    }
    m_vScroll->SetMaximumAndValue(*rows, *rows);
    VScroll1_Change();
}

void CalcTape::PageUpDown(PageDirection direction) {
    const std::int64_t page = PageRows(SurfaceHeight(), m_metrics.LineHeight);
    const std::int64_t position = MovedPosition(
        m_vScroll->value(), direction == PageDirection::Up ? -page : page, m_vScroll->maximum());
    {
        const QSignalBlocker blocker(m_vScroll);
        m_vScroll->setValue(static_cast<int>(position));
    }
    VScroll1_Change();
}

void CalcTape::VScroll1_Change() {
    const std::int64_t before =
        std::exchange(m_topOffset, std::int64_t{m_vScroll->value()} * m_metrics.LineHeight);
    if (!ScrollSurfaceUp(m_topOffset - before)) {
        Redraw(false);
    }
}

// A line's row band runs from half a row above its centre to half a row above the next line's;
// a line that joins the row before it has none of its own and stands in that row.
QRect CalcTape::LineArea(std::int32_t k) const {
    if (k < 1 || k > m_store.CurrentLine() || k > m_rows.LastLine()) {
        return {};
    }
    const std::int64_t half = m_metrics.LineHeight / 2;
    const std::int32_t first = k > 1 && m_rows.StartY(k + 1) == m_rows.StartY(k) ? k - 1 : k;
    const std::int64_t top = m_rows.StartY(first) - half - m_topOffset;
    const std::int64_t bottom = m_rows.StartY(k + 1) - half - m_topOffset;
    const QRect band(0, ToPixels(static_cast<double>(top)), width(),
                     ToPixels(static_cast<double>(bottom - top)));
    return band.intersected(rect());
}

CanvasScale CalcTape::ScreenScale() const {
    return {1.0 / m_twipsPerPixel, 1.0, kNormalInk};
}

}  // namespace vantrel
