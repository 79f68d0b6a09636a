#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tools/replay/replay.h"

namespace vantrel::testing {

// What a replay printed, split into its tape lines and its named items.
struct Replayed {
    int exitStatus = 0;
    std::vector<std::string> tape;  // "<Op> <True|False> <NumStr>"
    std::map<std::string, std::string> items;
    std::string err;

    const std::string& operator[](const std::string& name) const { return items.at(name); }
};

// `tokens` (one or more, space-separated) written `times` times over, with a space after each.
inline std::string Repeat(const std::string& tokens, int times) {
    std::string repeated;
    repeated.reserve((tokens.size() + 1) * static_cast<std::size_t>(times));
    for (int k = 0; k < times; ++k) {
        repeated += tokens + " ";
    }
    return repeated;
}

inline Replayed Replay(const std::string& tokens, const std::vector<std::string>& arguments = {}) {
    std::istringstream input(tokens);
    std::ostringstream out;
    std::ostringstream err;
    Replayed replayed{RunReplay(arguments, input, out, err), {}, {}, err.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        const std::string name = line.substr(0, tab);
        std::string value = line.substr(tab + 1);
        if (name == "tape") {
            for (char& c : value) {
                c = c == '\t' ? ' ' : c;
            }
            replayed.tape.push_back(value);
        } else {
            replayed.items[name] = value;
        }
    }
    return replayed;
}

}  // namespace vantrel::testing
