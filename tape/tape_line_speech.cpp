#include "tape/tape_line_speech.h"

#include <string_view>

#include "tape/tape_line_names.h"

namespace vantrel {
namespace {

std::string Joined(std::string_view first, std::string_view second) {
    std::string text(first);
    if (!first.empty() && !second.empty()) {
        text += ' ';
    }
    text += second;
    return text;
}

std::string ItemCount(int items) {
    return std::to_string(items) + (items == 1 ? " item" : " items");
}

}  // namespace

std::string SpokenTapeLine(const TapeLine& line) {
    const TapeLineName& name = TapeLineNameOf(line.Op);
    if (!name.amountSpoken) {
        return std::string(name.words);
    }
    if (IsTotalLine(line.Op)) {
        return Joined(name.words, line.NumStr) + ", " + ItemCount(TotalItemCount(line.Op));
    }
    return name.place == MarkPlace::Right ? Joined(line.NumStr, name.words)
                                          : Joined(name.words, line.NumStr);
}

}  // namespace vantrel
