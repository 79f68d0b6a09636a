#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz/invariant.h"
#include "shell/journal/journal_format.h"
#include "tools/headless/headless_session.h"

// The journal reader with any bytes, as a damaged, cut or made-up journal gives them: what it
// restores is always the state of a prefix of whole records, the very records written before
// the first bad byte, and replaying them runs to its end.
namespace vantrel {
namespace {

std::string Reencoded(const DecodedJournal& journal) {
    JournalEncoder encoder;
    std::string bytes = encoder.Header();
    for (const JournalRecord& record : journal.records) {
        bytes += encoder.Encode(record);
    }
    return bytes;
}

std::string Restored(const DecodedJournal& journal) {
    HeadlessSession session;
    session.Machine().Replay(journal.records);
    std::ostringstream report;
    session.WriteReport(report);
    return report.str();
}

}  // namespace
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedJournal journal = DecodeJournal(bytes);
    Require(journal.validBytes <= size, "journal: the valid part lies within the bytes");
    if (journal.status != DecodedJournal::Status::Read) {
        Require(journal.records.empty() && journal.validBytes == 0,
                "journal: a journal without a header of this version restores nothing");
        return 0;
    }
    Require(Reencoded(journal) == bytes.substr(0, journal.validBytes),
            "journal: the restored records are exactly the whole records at the start");
    const DecodedJournal prefix = DecodeJournal(bytes.substr(0, journal.validBytes));
    Require(prefix.records == journal.records && prefix.validBytes == journal.validBytes,
            "journal: what follows the last whole record changes nothing before it");
    Require(Restored(journal) == Restored(prefix), "journal: the prefix restores the same state");
    return 0;
}
