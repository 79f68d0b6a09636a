#include "tape/tape_line_store.h"

#include <limits>
#include <stdexcept>

namespace vantrel {

void TapeLineStore::AddDataLine(std::string_view NumStr, TapeOp Op, bool CLR) {
    if (m_currentLine == std::numeric_limits<std::int32_t>::max()) {
        throw std::overflow_error("the tape holds the largest number of lines");
    }
    const auto kept = static_cast<std::size_t>(m_currentLine);
    if (kept > m_records.size()) {
        throw std::out_of_range("the tape count lies beyond its stored lines");
    }
    const std::size_t textEnd =
        kept == 0 ? 0 : m_records[kept - 1].textOffset + m_records[kept - 1].textLength;
    m_records.resize(kept);
    m_texts.resize(textEnd);
    m_texts.append(NumStr);
    m_records.push_back({textEnd, static_cast<std::uint32_t>(NumStr.size()), Op, CLR});
    ++m_currentLine;
}

void TapeLineStore::SetCurrentLine(std::int32_t count) {
    if (count < 0) {
        throw std::out_of_range("a tape cannot hold fewer than no lines");
    }
    m_currentLine = count;
}

void TapeLineStore::ClearAll() {
    m_currentLine = 0;
    std::vector<Record>().swap(m_records);
    std::string().swap(m_texts);
}

TapeLine TapeLineStore::Line(std::int32_t k) const {
    if (k < 1 || static_cast<std::size_t>(k) > m_records.size()) {
        throw std::out_of_range("tape line " + std::to_string(k) + " is not stored");
    }
    const Record& record = m_records[static_cast<std::size_t>(k) - 1];
    return {std::string_view(m_texts).substr(record.textOffset, record.textLength), record.op,
            record.clr};
}

std::size_t TapeLineStore::AllocatedBytes() const {
    return m_records.capacity() * sizeof(Record) + m_texts.capacity();
}

std::int32_t LastCalculationStart(const TapeLineStore& store) {
    for (std::int32_t j = store.CurrentLine() - 1; j >= 1; --j) {
        if (store.Line(j).Op == TapeOpClearAll) {
            return j + 1;
        }
    }
    return 1;
}

}  // namespace vantrel
