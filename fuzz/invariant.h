#pragma once

#include <cstdio>
#include <cstdlib>

namespace vantrel {

// Stops the run with the name of the broken invariant, so that libFuzzer keeps the input.
inline void Require(bool condition, const char* invariant) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

}  // namespace vantrel
