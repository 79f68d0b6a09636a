#include "tape/tape_print_layout.h"

#include "core/half_even.h"
#include "tape/tape_draw_pass.h"
#include "tape/tape_geometry.h"

namespace vantrel {
namespace {

constexpr int kColumnCells = 29;

struct PaperRun {
    TapeMetrics metrics;  // of the printer font
    double pageWidth = 0;
    double printableHeight = 0;
    int columnIndex = 0;
    TapeCursor cursor;

    std::int64_t TopRow() const { return 3 * static_cast<std::int64_t>(metrics.LineHeight); }
    bool ColumnFits(int index) const {
        return (index + 1.0) * kColumnCells * metrics.CharWidth <= pageWidth;
    }
};

PaperRun StartRun(const TapePrintSurface& surface) {
    PaperRun run;
    run.metrics.LineHeight = RoundHalfEvenTo<std::int32_t>(surface.textHeight("W"));
    run.metrics.CharWidth = RoundHalfEvenTo<std::int32_t>(surface.textWidth("W"));
    run.pageWidth = RoundHalfEven(surface.printableWidth());
    run.printableHeight = surface.printableHeight();
    run.cursor.NextY = run.TopRow();
    return run;
}

// Moves to the next column, or to a new page when that column's whole pitch does not fit.
bool BreakIfBelowPage(TapePrintSurface& surface, PaperRun& run) {
    if (static_cast<double>(run.cursor.NextY) <= run.printableHeight - run.TopRow()) {
        return true;
    }
    ++run.columnIndex;
    run.cursor.NextY = run.TopRow();
    if (run.ColumnFits(run.columnIndex)) {
        return true;
    }
    run.columnIndex = 0;
    return surface.newPage();
}

}  // namespace

bool PrintTapeLines(TapePrintSurface& surface, const TapeLineStore& store) {
    PaperRun run = StartRun(surface);
    const std::int32_t count = store.CurrentLine();
    for (std::int32_t k = 1; k <= count; ++k) {
        const TapeLine line = store.Line(k);
        const bool amountShown = RepeatsShownAmount(run.cursor, line);
        ApplySameRowRule(run.cursor, line, run.metrics.LineHeight);
        if (!BreakIfBelowPage(surface, run)) {
            return false;
        }
        DrawLineOnPlacedRow(surface, PaperColumn(run.columnIndex, run.metrics), run.cursor, line, 0,
                            amountShown);
    }
    return true;
}

}  // namespace vantrel
