#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/tape_line.h"

// Where the parts of a tape line go, in twips. Screen and paper share these rules; only the
// column's place and the start of the total rule differ.
namespace vantrel {

struct TapeMetrics {
    std::int32_t LineHeight = 0;  // height of "W", rounded: one row
    std::int32_t CharWidth = 0;   // width of "W", rounded: one character cell
};

// One column of amounts: marks and counts start at x0, amounts end 23 cells later and right
// marks start one cell after that.
struct TapeColumn {
    double x0 = 0;
    TapeMetrics metrics;
    bool ruleFromStart =
        false;  // paper starts the total rule at x0, the screen ends it at the amounts

    double AmountEnd() const { return x0 + 23.0 * metrics.CharWidth; }
    double RightMarkX() const { return x0 + 24.0 * metrics.CharWidth; }
};

// The screen's single column keeps two cells free at the right edge of a surface W wide.
TapeColumn ScreenColumn(double surfaceWidth, TapeMetrics metrics);
// Paper columns start three cells in from the left and stand 29 cells apart.
TapeColumn PaperColumn(int columnIndex, TapeMetrics metrics);

// The drawing position: the tape y of the next row's centre, and the text and ink flag of the
// line before when that line was a plain value.
struct TapeCursor {
    std::int64_t NextY = 0;
    std::string LastValueText;
    bool LastValueClr = true;

    void Remember(const TapeLine& line);
};

// An operator line that repeats the plain value just above it shares that value's row.
bool JoinsPreviousRow(std::string_view lastValueText, const TapeLine& line);
// Moves the cursor back onto the previous row when the line joins it; true if it does.
bool ApplySameRowRule(TapeCursor& cursor, const TapeLine& line, std::int32_t lineHeight);

// A total line's rule ends at ruleBottom; its count and amount are centred at centre.
struct TotalRows {
    std::int64_t ruleBottom = 0;
    std::int64_t centre = 0;
};
TotalRows TotalLineRows(std::int64_t y, std::int32_t lineHeight);

// The centre of the row after a line drawn at y.
std::int64_t AdvanceRow(std::int64_t y, TapeOp op, std::int32_t lineHeight);

// Moves the cursor over a line exactly as drawing it would, without drawing.
void StepCursor(TapeCursor& cursor, const TapeLine& line, std::int32_t lineHeight);

}  // namespace vantrel
