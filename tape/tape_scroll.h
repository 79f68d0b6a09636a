#pragma once

#include <cstdint>
#include <optional>

// The tape's scroll bar counts rows: at position p the view shows the tape from y = p times
// the row height. Heights are in twips.
namespace vantrel {

// The maximum that scrolls the end of the drawn tape into a view `viewHeight` high: how far the
// tape, down to half a row below its next row's centre, reaches below the view, rounded to
// twips and then to rows. nullopt when it does not reach below the view. Throws
// std::overflow_error for more rows than the scroll bar can count.
std::optional<int> RowsBelowView(std::int64_t nextY, double viewHeight, std::int32_t lineHeight);

// Page Up and Page Down move by the view's height in rows less one row of overlap, rounded.
std::int64_t PageRows(double viewHeight, std::int32_t lineHeight);

// The position `rows` further down the tape (up for a negative count), kept from 0 to maximum.
std::int64_t MovedPosition(std::int64_t position, std::int64_t rows, std::int64_t maximum);

// The scroll bar's own step for a click into its trough: the whole rows in view less one, and
// at least one.
int TroughStep(double viewHeight, std::int32_t lineHeight);

}  // namespace vantrel
