#pragma once

#include <string>
#include <vector>

// What vantrel-send prints of the calculator's answers. Plain C++, beside the parser.
namespace vantrel {

struct ReadBack {
    std::string display;
    std::string memory;
    std::string counter;
    bool error = false;
};

struct TapeRow {
    std::string amount;
    int code = 0;
    bool normalInk = true;
};

// One "name<TAB>value" line each for display, memory, counter and error (True or False),
// the texts exactly as the labels hold them.
std::string ReadBackText(const ReadBack& values);

// One line per tape line: the amount right-aligned to the widest one, then its mark; a total
// adds its item count.
std::string TapeText(const std::vector<TapeRow>& rows);

// RFC 4180: a header, then amount, code, mark and ink (normal or red) per line, with CRLF.
std::string TapeCsv(const std::vector<TapeRow>& rows);

}  // namespace vantrel
