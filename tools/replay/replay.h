#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace vantrel {

// Runs `vantrel-replay` with its arguments (program name excluded) on the tokens of `input`
// and returns its exit status. The report goes to `out` only when every token was understood.
int RunReplay(const std::vector<std::string>& arguments, std::istream& input, std::ostream& out,
              std::ostream& err);

}  // namespace vantrel
