#pragma once

#include <string>

namespace vantrel {

// The user's decimal separator and digit-grouping character, read from the locale once at
// start-up by the window and handed in; UTF-8, one character each.
struct LocaleSeparators {
    std::string decimal = ".";
    std::string group = ",";
};

}  // namespace vantrel
