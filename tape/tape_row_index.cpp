#include "tape/tape_row_index.h"

#include <algorithm>
#include <stdexcept>

namespace vantrel {

void TapeRowIndex::Reset(std::int32_t lineHeight, std::int32_t firstLine) {
    m_lineHeight = lineHeight;
    m_firstLine = firstLine;
    m_startY.assign(1, lineHeight);
}

std::int32_t TapeRowIndex::LastLine() const {
    return m_firstLine + static_cast<std::int32_t>(m_startY.size()) - 2;
}

void TapeRowIndex::Truncate(std::int32_t lastLine) {
    if (lastLine < LastLine()) {
        const auto keep = static_cast<std::size_t>(std::max(lastLine - m_firstLine, -1) + 2);
        m_startY.resize(keep);
    }
}

void TapeRowIndex::Extend(const TapeLineStore& store, std::int32_t lastLine) {
    if (lastLine <= LastLine()) {
        return;
    }
    for (std::int32_t k = LastLine() + 1; k <= lastLine; ++k) {
        TapeCursor cursor = CursorBefore(store, k);
        StepCursor(cursor, store.Line(k), m_lineHeight);
        m_startY.push_back(cursor.NextY);
    }
}

std::int64_t TapeRowIndex::StartY(std::int32_t k) const {
    if (k < m_firstLine || k > LastLine() + 1) {
        throw std::out_of_range("no known start for that tape line");
    }
    return m_startY[static_cast<std::size_t>(k - m_firstLine)];
}

std::int32_t TapeRowIndex::FirstLineFrom(std::int64_t y) const {
    const auto known = m_startY.end() - 1;
    const auto found = std::lower_bound(m_startY.begin(), known, y);
    return m_firstLine + static_cast<std::int32_t>(found - m_startY.begin());
}

TapeCursor TapeRowIndex::CursorBefore(const TapeLineStore& store, std::int32_t k) const {
    TapeCursor cursor{StartY(k), {}};
    if (k > m_firstLine) {
        cursor.Remember(store.Line(k - 1));
    }
    return cursor;
}

}  // namespace vantrel
