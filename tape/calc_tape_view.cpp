#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>

#include "tape/calc_tape.h"
#include "tape/qt_tape_canvas.h"
#include "tape/tape_draw_pass.h"
#include "tape/tape_scroll.h"

namespace vantrel {
namespace {

const QColor kNormalInk(0, 0, 128);

}  // namespace

void CalcTape::MyCLS() {
    m_surface.fill(Qt::white);
    m_cursor = TapeCursor{m_metrics.LineHeight, {}, true};
    update();
}

void CalcTape::DrawLine(const TapeLine& line) {
    QPainter painter(&m_surface);
    QtTapeCanvas canvas(painter, m_font, m_marks, ScreenScale());
    DrawTapeLine(canvas, ScreenColumn(SurfaceWidth(), m_metrics), m_cursor, line, m_topOffset);
    update();
}

void CalcTape::Redraw(bool LastCalc) {
    MyCLS();
    const std::int32_t first = LastCalc ? LastCalculationStart(m_store) : 1;
    if (first == 1) {
        DrawLines(FullTapeRows(), first);
        return;
    }
    TapeRowIndex rows;
    rows.Reset(m_metrics.LineHeight, first);
    rows.Extend(m_store, m_store.CurrentLine());
    DrawLines(rows, first);
}

// Draws only the lines that reach into the view, then leaves the cursor where drawing every
// line from `first` would have left it. A line's ink stays within two rows and a cell of the
// y at which it starts.
void CalcTape::DrawLines(const TapeRowIndex& rows, std::int32_t first) {
    const std::int32_t last = m_store.CurrentLine();
    if (last < first) {
        return;
    }
    const std::int64_t margin = 2 * std::int64_t{m_metrics.LineHeight} + m_metrics.CharWidth;
    const auto bottom = static_cast<std::int64_t>(SurfaceHeight()) + m_topOffset + margin;
    std::int32_t k = std::clamp(rows.FirstLineFrom(m_topOffset - margin), first, last + 1);
    {
        QPainter painter(&m_surface);
        QtTapeCanvas canvas(painter, m_font, m_marks, ScreenScale());
        const TapeColumn column = ScreenColumn(SurfaceWidth(), m_metrics);
        if (k <= last) {
            m_cursor = rows.CursorBefore(m_store, k);
        }
        for (; k <= last && rows.StartY(k) <= bottom; ++k) {
            DrawTapeLine(canvas, column, m_cursor, m_store.Line(k), m_topOffset);
        }
    }
    m_cursor = rows.CursorBefore(m_store, last + 1);
    update();
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
        {
            const QSignalBlocker blocker(m_vScroll);
            m_vScroll->setMaximum(0);
        }
        if (m_vScroll->value() != before) {
            VScroll1_Change();
        }
        return;
    }
    {
        const QSignalBlocker blocker(m_vScroll);
        m_vScroll->setMaximum(*rows);
        m_vScroll->setValue(*rows);
    }
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
    m_topOffset = std::int64_t{m_vScroll->value()} * m_metrics.LineHeight;
    Redraw(false);
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
