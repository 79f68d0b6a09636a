#pragma once

#include <cstdint>
#include <string_view>

#include "core/tape_line.h"
#include "tape/tape_canvas.h"
#include "tape/tape_geometry.h"

namespace vantrel {

// The total rule: 23 em dashes, in UTF-8.
std::string_view SeparatorRule();

// Draws one line on the row at cursor.NextY and advances the cursor. The caller has placed the
// row by the same-row rule and may still have moved it (the paper's column break) in between;
// `amountShown` says the row already shows this amount in this ink. Surface y is tape y less
// topOffset.
void DrawLineOnPlacedRow(TapeCanvas& canvas, const TapeColumn& column, TapeCursor& cursor,
                         const TapeLine& line, std::int64_t topOffset, bool amountShown);

// Whether a line joining the value's row would only draw the same amount over itself, which
// darkens smoothed text instead of adding anything. Call before the same-row rule.
bool RepeatsShownAmount(const TapeCursor& cursor, const TapeLine& line);

// Places the line's row by the same-row rule, then draws it there: the screen, which has no
// column break between the two.
void PlaceAndDrawLine(TapeCanvas& canvas, const TapeColumn& column, TapeCursor& cursor,
                      const TapeLine& line, std::int64_t topOffset);

}  // namespace vantrel
