#include "shell/journal/journal_folder.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

namespace vantrel {
namespace {

struct Candidate {
    std::filesystem::path path;
    std::filesystem::file_time_type written;
};

std::vector<Candidate> NewestFirst(const std::filesystem::path& folder) {
    std::vector<Candidate> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code entryError;
        const auto written = it->last_write_time(entryError);
        if (IsJournalName(it->path()) && it->is_regular_file(entryError) && !entryError) {
            found.push_back({it->path(), written});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Candidate& a, const Candidate& b) { return a.written > b.written; });
    return found;
}

}  // namespace

std::optional<std::filesystem::path> JournalFolderPath(const char* stateHome, const char* home) {
    if (stateHome != nullptr && std::filesystem::path(stateHome).is_absolute()) {
        return std::filesystem::path(stateHome) / "Vantrel";
    }
    if (home != nullptr && std::filesystem::path(home).is_absolute()) {
        return std::filesystem::path(home) / ".local" / "state" / "Vantrel";
    }
    return std::nullopt;
}

std::optional<ClaimedJournal> ClaimNewestJournal(const std::filesystem::path& folder) {
    for (const Candidate& candidate : NewestFirst(folder)) {
        auto file = JournalFile::Claim(candidate.path);
        if (!file) {
            continue;
        }
        const auto bytes = file->ReadAll();
        if (!bytes) {
            continue;
        }
        DecodedJournal decoded = DecodeJournal(*bytes);
        if (decoded.status == DecodedJournal::Status::NewerVersion) {
            continue;
        }
        return ClaimedJournal{std::move(*file), std::move(decoded)};
    }
    return std::nullopt;
}

}  // namespace vantrel
