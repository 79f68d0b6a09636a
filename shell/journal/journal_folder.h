#pragma once

#include <filesystem>
#include <optional>

#include "shell/journal/journal_file.h"
#include "shell/journal/journal_format.h"

namespace vantrel {

// $XDG_STATE_HOME/Vantrel, or ~/.local/state/Vantrel when it is unset or not absolute;
// nullopt when neither it nor HOME says where.
std::optional<std::filesystem::path> JournalFolderPath(const char* stateHome, const char* home);

struct ClaimedJournal {
    JournalFile file;
    DecodedJournal decoded;
};

// The newest journal in `folder` that no running copy holds and this program can read, locked
// for this copy; nullopt when there is none. One written by a later version is left alone.
std::optional<ClaimedJournal> ClaimNewestJournal(const std::filesystem::path& folder);

}  // namespace vantrel
