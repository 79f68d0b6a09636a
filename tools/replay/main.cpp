#include <iostream>
#include <string>
#include <vector>

#include "tools/replay/replay.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const vantrel::ReplayOutcome outcome = vantrel::RunReplay(arguments, std::cin);
    std::cout << outcome.out;
    std::cerr << outcome.err;
    return outcome.exitStatus;
}
