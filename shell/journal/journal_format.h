#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "commands/journal_record.h"

// The journal's bytes: a header with the format's version, then records, each with its length
// and a CRC-32 that also covers the CRC of the record before it. A record cut short, damaged,
// moved or made up therefore ends the journal there, and everything before it still counts.
namespace vantrel {

inline constexpr std::uint32_t kJournalVersion = 1;

std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc = 0);

// Writes a journal one record after another, keeping the chain of checksums.
class JournalEncoder {
  public:
    JournalEncoder() = default;
    // Continues a journal whose last whole record left `chain`.
    explicit JournalEncoder(std::uint32_t chain) : m_chain(chain) {}

    // The header; it starts the chain afresh.
    std::string Header();
    std::string Encode(const JournalRecord& record);
    std::uint32_t Chain() const { return m_chain; }

  private:
    std::uint32_t m_chain = 0;
};

struct DecodedJournal {
    enum class Status {
        Read,          // the records of a journal this program writes, up to the first bad one
        NoHeader,      // not a journal at all, or cut within its header: nothing
        NewerVersion,  // a journal of a later program: nothing, and it is left alone
    };
    Status status = Status::NoHeader;
    std::vector<JournalRecord> records;
    // The bytes up to the end of the last whole, valid record, and the chain there.
    std::size_t validBytes = 0;
    std::uint32_t chain = 0;
};

DecodedJournal DecodeJournal(std::string_view bytes);

}  // namespace vantrel
