#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "commands/journal_record.h"
#include "shell/journal/journal_file.h"
#include "shell/journal/journal_format.h"
#include "shell/journal/journal_sync.h"

namespace vantrel {

// The journal of one running copy. A record that cannot be written ends the journal quietly:
// the calculator goes on without it, and the next start tries afresh.
class CalculatorJournal : public JournalPort {
  public:
    struct Opened {
        std::unique_ptr<CalculatorJournal> journal;  // null: no journal this time
        // What the copy that ended uncleanly was told, to be replayed before anything else.
        std::vector<JournalRecord> restore;
    };
    // Takes over the newest journal that no running copy holds, or starts a new one.
    static Opened Open(const std::filesystem::path& folder);

    CalculatorJournal(JournalFile file, JournalEncoder encoder);

    void Record(const JournalRecord& record) override;
    void StartAfresh(const std::vector<JournalRecord>& records) override;
    // A normal end: the journal goes, so that the next start begins empty.
    void Discard();

    bool Writing() const { return m_writing; }
    const std::filesystem::path& Path() const { return m_file.Path(); }

  private:
    void Written(bool complete);

    JournalFile m_file;
    JournalEncoder m_encoder;
    std::unique_ptr<JournalSync> m_sync;
    bool m_writing = true;
};

}  // namespace vantrel
