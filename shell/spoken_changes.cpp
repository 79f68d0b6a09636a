#include "shell/spoken_changes.h"

namespace vantrel {
namespace {

std::string Sentence(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) {
            text += ", ";
        }
        text += part;
    }
    if (!text.empty() && text.back() != '.') {
        text += '.';
    }
    return text;
}

// The display is said with anything else that changed, and alone when an entry being keyed was
// taken away (Clear, the last Backspace): a zero keyed after an operation needs no more than
// the key's echo, though it changes the display as well.
bool DisplayWorthSaying(const SpokenState& before, const SpokenState& after, bool othersChanged) {
    if (after.error) {
        return false;
    }
    const bool entryTakenAway = before.keying && !after.keying && before.display != after.display;
    return othersChanged || before.error || entryTakenAway;
}

}  // namespace

std::string SpokenChange(const SpokenState& before, const SpokenState& after,
                         const std::vector<std::string>& newLines) {
    const bool memoryChanged = before.memory != after.memory;
    const bool countChanged = before.itemCount != after.itemCount;
    std::vector<std::string> parts = newLines;
    if (after.error && !before.error) {
        parts.emplace_back("Error");
    }
    if (DisplayWorthSaying(before, after, !newLines.empty() || memoryChanged || countChanged)) {
        parts.push_back("display " + after.display);
    }
    if (memoryChanged) {
        parts.push_back("memory " + after.memory);
    }
    if (countChanged) {
        parts.push_back("item count " + after.itemCount);
    }
    return Sentence(parts);
}

}  // namespace vantrel
