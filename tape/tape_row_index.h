#pragma once

#include <cstdint>
#include <vector>

#include "tape/tape_geometry.h"
#include "tape/tape_line_store.h"

namespace vantrel {

// The tape y at which each line of one drawing pass starts, so that a redraw can begin at the
// first line that reaches into the view and still leave NextY where drawing every line would.
// A pass starts at firstLine with the cursor one row down and no previous value.
class TapeRowIndex {
  public:
    void Reset(std::int32_t lineHeight, std::int32_t firstLine = 1);
    std::int32_t FirstLine() const { return m_firstLine; }
    // The last line whose start is known.
    std::int32_t LastLine() const;

    // Forgets the lines after lastLine, as an undo or an append over dead lines needs.
    void Truncate(std::int32_t lastLine);
    // Learns the starts up to lastLine and where the row after it begins; reads the store,
    // so a line that is not stored throws std::out_of_range.
    void Extend(const TapeLineStore& store, std::int32_t lastLine);

    // Cursor.NextY before line k is drawn (k from FirstLine to LastLine + 1).
    std::int64_t StartY(std::int32_t k) const;
    // The first line starting at or below y, or LastLine + 1 when none does.
    std::int32_t FirstLineFrom(std::int64_t y) const;
    // The cursor with which line k is drawn in this pass.
    TapeCursor CursorBefore(const TapeLineStore& store, std::int32_t k) const;

  private:
    std::vector<std::int64_t> m_startY;  // element i: start of line m_firstLine + i
    std::int32_t m_lineHeight = 0;
    std::int32_t m_firstLine = 1;
};

}  // namespace vantrel
