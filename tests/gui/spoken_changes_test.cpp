#include "shell/spoken_changes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

SpokenState Shown(std::string display, std::string count = "0", std::string memory = "0.") {
    return {.display = std::move(display),
            .memory = std::move(memory),
            .itemCount = std::move(count),
            .tapeLines = 0,
            .error = false,
            .keying = false};
}

SpokenState Keying(std::string display) {
    SpokenState state = Shown(std::move(display));
    state.keying = true;
    return state;
}

SpokenState InError() {
    SpokenState state = Shown("-Error-");
    state.error = true;
    return state;
}

struct Case {
    const char* what;
    SpokenState before;
    SpokenState after;
    std::vector<std::string> lines;
    std::string spoken;
};

TEST(SpokenChange, SaysTheLinesTheResultAndWhatChangedInOneSentence) {
    const Case cases[] = {
        {"an addition",
         Keying("125.5"),
         Shown("125.5", "1"),
         {"plus 125.5"},
         "plus 125.5, display 125.5, item count 1."},
        {"a total ends on the display's point, which closes the sentence",
         Shown("191.", "3"),
         Shown("191.", "0"),
         {"total 191, 3 items"},
         "total 191, 3 items, display 191., item count 0."},
        {"a memory key",
         Shown("5."),
         Shown("5.", "0", "5."),
         {"memory plus 5"},
         "memory plus 5, display 5., memory 5."},
        {"a division waits for its divisor",
         Keying("5"),
         Shown("5."),
         {"5 divided by"},
         "5 divided by, display 5."},
        {"Clear: only the display changed, to a number nobody typed",
         Keying("12"),
         Shown("0."),
         {},
         "display 0."},
        {"a digit is left to the reader's key echo", Keying("12"), Keying("125"), {}, ""},
        {"so is a zero keyed after an operation", Shown("5."), Shown("0."), {}, ""},
        {"nothing changed", Shown("7."), Shown("7."), {}, ""},
        {"the error state begins: its word, not the dashes",
         Keying("0"),
         InError(),
         {"0 equals"},
         "0 equals, Error."},
        {"a key refused in the error state says nothing", InError(), InError(), {}, ""},
        {"the error state ends", InError(), Shown("0."), {"clear all"}, "clear all, display 0."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpokenChange(c.before, c.after, c.lines), c.spoken) << c.what;
    }
}

}  // namespace
}  // namespace vantrel
