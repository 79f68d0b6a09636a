#include "commands/journal_record.h"

namespace vantrel {

bool IsValidRecord(const JournalRecord& record) {
    const bool noArguments = record.first == 0 && record.second == 0;
    switch (record.kind) {
        case JournalKind::Button:
            return record.first < kCommandCount &&
                   IsJournalled(static_cast<CommandIndex>(record.first)) && record.second == 0 &&
                   !record.text &&
                   record.first != static_cast<std::uint32_t>(ValueOf(CommandIndex::Paste));
        case JournalKind::Paste:
            return noArguments;
        case JournalKind::PushAmount:
            return !record.text;
        case JournalKind::Operate:
            return record.second == 0 && !record.text;
        case JournalKind::RoundOption:
            return record.first < kRoundModeCount && record.second == 0 && !record.text;
    }
    return false;
}

}  // namespace vantrel
