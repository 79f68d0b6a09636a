#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// What a screen reader is told of the window after a change: the number the display settles
// on, the labels, the tape's length and the error state.
struct SpokenState {
    std::string display;
    std::string memory;
    std::string itemCount;
    std::int32_t tapeLines = 0;
    bool error = false;
    // The display shows a number being keyed, which the reader's own key echo has told.
    bool keying = false;
};

// One utterance for the change from `before` to `after`, given the words of the tape lines
// written in between: those lines, then the display (or "Error" when the error state begins),
// the memory and the item count when they changed. Empty when nothing beyond the key's echo
// is worth saying: a digit keyed, or no change at all.
std::string SpokenChange(const SpokenState& before, const SpokenState& after,
                         const std::vector<std::string>& newLines);

}  // namespace vantrel
