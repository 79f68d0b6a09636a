#include "tape/tape_geometry.h"

#include "core/half_even.h"

namespace vantrel {

TapeColumn ScreenColumn(double surfaceWidth, TapeMetrics metrics) {
    return {surfaceWidth - 26.0 * metrics.CharWidth, metrics, false};
}

TapeColumn PaperColumn(int columnIndex, TapeMetrics metrics) {
    const double x0 = 3.0 * metrics.CharWidth + columnIndex * 29.0 * metrics.CharWidth;
    return {x0, metrics, true};
}

bool JoinsPreviousRow(std::string_view lastValueText, const TapeLine& line) {
    return line.Op >= TapeOpSubtract && line.Op <= TapeOpMemoryAdd && line.NumStr == lastValueText;
}

void TapeCursor::Remember(const TapeLine& line) {
    const bool value = line.Op == TapeOpValue;
    LastValueText = value ? std::string(line.NumStr) : std::string();
    LastValueClr = value ? line.CLR : true;
}

bool ApplySameRowRule(TapeCursor& cursor, const TapeLine& line, std::int32_t lineHeight) {
    if (!JoinsPreviousRow(cursor.LastValueText, line)) {
        return false;
    }
    cursor.NextY -= lineHeight;
    return true;
}

TotalRows TotalLineRows(std::int64_t y, std::int32_t lineHeight) {
    const double eighth = lineHeight / 8.0;
    const std::int64_t ruleBottom = RoundHalfEvenTo<std::int64_t>(static_cast<double>(y) + eighth);
    return {ruleBottom, RoundHalfEvenTo<std::int64_t>(static_cast<double>(ruleBottom) + eighth)};
}

std::int64_t AdvanceRow(std::int64_t y, TapeOp op, std::int32_t lineHeight) {
    if (op >= TapeOpTotalBase) {
        return RoundHalfEvenTo<std::int64_t>(static_cast<double>(y) + 1.5 * lineHeight);
    }
    return y + lineHeight;
}

void StepCursor(TapeCursor& cursor, const TapeLine& line, std::int32_t lineHeight) {
    ApplySameRowRule(cursor, line, lineHeight);
    if (IsTotalLine(line.Op)) {
        cursor.NextY = TotalLineRows(cursor.NextY, lineHeight).centre;
    }
    cursor.Remember(line);
    cursor.NextY = AdvanceRow(cursor.NextY, line.Op, lineHeight);
}

}  // namespace vantrel
