#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/vocabulary.h"

namespace vantrel {

// What the calculator was told, one thing at a time. The core is deterministic, so these
// replayed through the same code from a fresh start rebuild every register and tape line.
enum class JournalKind : std::uint8_t {
    Button = 1,       // first: the command index
    Paste = 2,        // text: what the clipboard held, nullopt when it held no text
    PushAmount = 3,   // first, second: wParam and lParam of the amount message
    Operate = 4,      // first: wParam of the operate message
    RoundOption = 5,  // first: the option button
};

struct JournalRecord {
    JournalKind kind = JournalKind::Button;
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    std::optional<std::string> text;

    static JournalRecord Button(CommandIndex index) {
        return {JournalKind::Button, static_cast<std::uint32_t>(ValueOf(index)), 0, std::nullopt};
    }
    static JournalRecord Paste(std::optional<std::string> text) {
        return {JournalKind::Paste, 0, 0, std::move(text)};
    }
    static JournalRecord PushAmount(std::uint32_t wParam, std::uint32_t lParam) {
        return {JournalKind::PushAmount, wParam, lParam, std::nullopt};
    }
    static JournalRecord Operate(std::uint32_t wParam) {
        return {JournalKind::Operate, wParam, 0, std::nullopt};
    }
    static JournalRecord RoundOption(int index) {
        return {JournalKind::RoundOption, static_cast<std::uint32_t>(index), 0, std::nullopt};
    }

    bool operator==(const JournalRecord&) const = default;
};

// Whether a command can change what a journal rebuilds. Copy, Print Tape and Show \ Hide Tape
// touch only the clipboard, the printer and the window, and a replay must never repeat them.
constexpr bool IsJournalled(CommandIndex index) {
    return IsCommandIndex(index) && index != CommandIndex::Copy &&
           index != CommandIndex::PrintTape && index != CommandIndex::ShowHideTape;
}

// Whether a decoded record is one the calculator could have written.
bool IsValidRecord(const JournalRecord& record);

// Where the adding machine writes what it is told, before it acts on it.
class JournalPort {
  public:
    virtual ~JournalPort() = default;
    virtual void Record(const JournalRecord& record) = 0;
    // Replaces everything written so far by `records`, which rebuild the state that is left.
    virtual void StartAfresh(const std::vector<JournalRecord>& records) = 0;
};

}  // namespace vantrel
