#include "tape/tape_draw_pass.h"

#include <string>

#include "tape/tape_line_names.h"

namespace vantrel {
namespace {

constexpr int kRuleLength = 23;

bool IsRightMark(TapeOp op) {
    return TapeLineNameOf(op).place == MarkPlace::Right;
}

void DrawTotalRuleAndCount(TapeCanvas& canvas, const TapeColumn& column, TapeCursor& cursor,
                           const TapeLine& line, double top) {
    const std::int32_t h = column.metrics.LineHeight;
    const TotalRows rows = TotalLineRows(cursor.NextY, h);
    const std::string_view rule = SeparatorRule();
    const double ruleX =
        column.ruleFromStart ? column.x0 : column.AmountEnd() - canvas.textWidth(rule);
    canvas.drawText(ruleX, static_cast<double>(rows.ruleBottom - h) - top, rule, TapeInk::Normal);
    cursor.NextY = rows.centre;
    const std::string count = std::to_string(TotalItemCount(line.Op));
    canvas.drawText(column.x0,
                    static_cast<double>(cursor.NextY) - canvas.textHeight(line.NumStr) / 2 - top,
                    count, TapeInk::Normal);
}

void DrawMark(TapeCanvas& canvas, const TapeColumn& column, const TapeCursor& cursor, TapeOp op,
              double top) {
    if (op < TapeOpClearAll) {
        return;
    }
    const double c = column.metrics.CharWidth;
    const double h = column.metrics.LineHeight;
    const double y = static_cast<double>(cursor.NextY);
    if (IsRightMark(op)) {
        canvas.drawMark(LineCode(op), column.RightMarkX(), y + (h - c) / 2 - top, c);
    } else {
        canvas.drawMark(LineCode(op), column.x0, y - c / 2 - top, c);
    }
}

}  // namespace

std::string_view SeparatorRule() {
    static const std::string rule = [] {
        std::string text;
        for (int i = 0; i < kRuleLength; ++i) {
            text += "\u2014";
        }
        return text;
    }();
    return rule;
}

bool RepeatsShownAmount(const TapeCursor& cursor, const TapeLine& line) {
    return JoinsPreviousRow(cursor.LastValueText, line) && line.CLR == cursor.LastValueClr;
}

void DrawLineOnPlacedRow(TapeCanvas& canvas, const TapeColumn& column, TapeCursor& cursor,
                         const TapeLine& line, std::int64_t topOffset, bool amountShown) {
    const auto top = static_cast<double>(topOffset);
    if (IsTotalLine(line.Op)) {
        DrawTotalRuleAndCount(canvas, column, cursor, line, top);
    } else {
        DrawMark(canvas, column, cursor, line.Op, top);
    }
    cursor.Remember(line);
    if (!amountShown) {
        const TapeInk ink = line.CLR ? TapeInk::Normal : TapeInk::Red;
        canvas.drawText(
            column.AmountEnd() - canvas.textWidth(line.NumStr),
            static_cast<double>(cursor.NextY) - canvas.textHeight(line.NumStr) / 2 - top,
            line.NumStr, ink);
    }
    cursor.NextY = AdvanceRow(cursor.NextY, line.Op, column.metrics.LineHeight);
}

void PlaceAndDrawLine(TapeCanvas& canvas, const TapeColumn& column, TapeCursor& cursor,
                      const TapeLine& line, std::int64_t topOffset) {
    const bool amountShown = RepeatsShownAmount(cursor, line);
    ApplySameRowRule(cursor, line, column.metrics.LineHeight);
    DrawLineOnPlacedRow(canvas, column, cursor, line, topOffset, amountShown);
}

}  // namespace vantrel
