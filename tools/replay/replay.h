#pragma once

#include <istream>
#include <string>
#include <vector>

namespace vantrel {

struct ReplayOutcome {
    int exitStatus = 0;
    std::string out;
    std::string err;
};

// Runs `vantrel-replay` with its arguments (program name excluded) on the tokens of `input`.
ReplayOutcome RunReplay(const std::vector<std::string>& arguments, std::istream& input);

}  // namespace vantrel
