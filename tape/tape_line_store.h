#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/tape_line.h"

namespace vantrel {

// The lines of the tape, numbered from 1 to CurrentLine. Texts live end to end in one buffer
// and each line keeps a small fixed record, so a long tape costs a few bytes per line beyond
// its text and appends never copy the whole store.
class TapeLineStore {
  public:
    // Appends a line as number CurrentLine + 1, dropping any lines above the current count.
    // Throws std::overflow_error on a full tape and std::out_of_range when the count was set
    // beyond the stored lines; nothing changes then.
    void AddDataLine(std::string_view NumStr, TapeOp Op, bool CLR);

    std::int32_t CurrentLine() const { return m_currentLine; }
    // Only moves the count; lines above it stay stored until the next append drops them.
    // Throws std::out_of_range for a negative count.
    void SetCurrentLine(std::int32_t count);

    void ClearAll();

    // Line k, 1 <= k; throws std::out_of_range for a line that is not stored.
    TapeLine Line(std::int32_t k) const;

    std::size_t StoredLineCount() const { return m_records.size(); }
    std::size_t AllocatedBytes() const;

  private:
    struct Record {
        std::uint64_t textOffset;
        std::uint32_t textLength;
        TapeOp op;
        bool clr;
    };
    static_assert(sizeof(Record) == 16);

    std::vector<Record> m_records;
    std::string m_texts;
    std::int32_t m_currentLine = 0;
};

// The first line of the last calculation: the line after the last clear-all marker before the
// tape's last line, or 1. The last line itself is not looked at, so a tape ending with a marker
// still has the calculation that the marker closed. Throws std::out_of_range when the count
// lies beyond the stored lines.
std::int32_t LastCalculationStart(const TapeLineStore& store);

}  // namespace vantrel
