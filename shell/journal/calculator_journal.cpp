#include "shell/journal/calculator_journal.h"

#include <utility>

#include "shell/journal/journal_folder.h"

namespace vantrel {
namespace {

std::unique_ptr<CalculatorJournal> Fresh(JournalFile file) {
    JournalEncoder encoder;
    const std::string header = encoder.Header();
    if (!file.Rewrite(0, header)) {
        return nullptr;
    }
    return std::make_unique<CalculatorJournal>(std::move(file), encoder);
}

// Garbage after the last whole record is cut off, so that what follows chains on to it.
std::unique_ptr<CalculatorJournal> TakeOver(ClaimedJournal claimed) {
    if (claimed.decoded.status != DecodedJournal::Status::Read) {
        return Fresh(std::move(claimed.file));
    }
    if (!claimed.file.Rewrite(claimed.decoded.validBytes)) {
        return nullptr;
    }
    return std::make_unique<CalculatorJournal>(std::move(claimed.file),
                                               JournalEncoder(claimed.decoded.chain));
}

}  // namespace

CalculatorJournal::Opened CalculatorJournal::Open(const std::filesystem::path& folder) {
    if (auto claimed = ClaimNewestJournal(folder)) {
        std::vector<JournalRecord> restore = std::move(claimed->decoded.records);
        return {TakeOver(std::move(*claimed)), std::move(restore)};
    }
    auto file = JournalFile::Create(folder);
    return {file ? Fresh(std::move(*file)) : nullptr, {}};
}

CalculatorJournal::CalculatorJournal(JournalFile file, JournalEncoder encoder)
    : m_file(std::move(file)),
      m_encoder(encoder),
      m_sync(std::make_unique<JournalSync>(m_file.Descriptor())) {
    m_sync->Written();
}

void CalculatorJournal::Record(const JournalRecord& record) {
    if (m_writing) {
        Written(m_file.Append(m_encoder.Encode(record)));
    }
}

void CalculatorJournal::StartAfresh(const std::vector<JournalRecord>& records) {
    if (!m_writing) {
        return;
    }
    std::string bytes = m_encoder.Header();
    for (const JournalRecord& record : records) {
        bytes += m_encoder.Encode(record);
    }
    Written(m_file.Rewrite(0, bytes));
}

void CalculatorJournal::Discard() {
    m_sync.reset();
    m_file.Remove();
    m_writing = false;
}

void CalculatorJournal::Written(bool complete) {
    m_writing = complete;
    if (m_sync) {
        m_sync->Written();
    }
}

}  // namespace vantrel
