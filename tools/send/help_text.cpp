#include "tools/send/send_request.h"
#include "vantrel_version.h"

namespace vantrel {

std::string_view HelpText() {
    return R"(usage: vantrel-send COMMAND [ARGUMENTS]

Drives Vantrel Calculator over the session bus (name org.vantrel.Calculator, object
/Calculator). With several copies running, the one started first answers; with none, the
bus starts an installed one.

Commands:
  input AMOUNT       Replace the entry with AMOUNT: decimal text with a "." as separator,
                     an optional sign and at most four decimals, from
                     -922337203685477.5808 to 922337203685477.5807 (no grouping, no
                     exponent). A value the entry cannot take is refused with its beep.
  input-raw W L      Send the amount's two 32-bit halves as they are: W the low half,
                     L the high half of the amount times 10,000 (two's complement).
                     Each is decimal or 0x hexadecimal, from 0 to 4294967295.
  operate OPERATION  Run an operation, also while the calculator shows an error.
                     OPERATION is a name or its number:
                       1 subtract         5 percent          9 memory-add
                       2 add              6 total           10 clear-all
                       3 divide           7 memory-restore  11 memory-clear
                       4 multiply         8 memory-subtract 12 clear
                     Any other number from -2147483648 to 4294967295 (decimal or 0x hex)
                     is sent as it is; only its low 16 bits count.
  read               Print the display, the memory label, the counter label and the
                     error state, one "name<TAB>value" line each, the texts exactly as
                     shown (numbers end in one blank):
                       display<TAB>1,250.75 
                       memory<TAB>0. 
                       counter<TAB>1 
                       error<TAB>False
  tape               Print the tape, oldest line first, one line per tape line: the amount
                     right-aligned, then its mark (CA clear all, + add, - subtract, / divide,
                     x multiply, = equals, % percent, M+ M- MR MC memory add, subtract,
                     recall and clear; a total shows T and its item count).
  tape --csv         Print the tape as CSV (RFC 4180, CRLF line ends) with the header
                     amount,code,mark,ink: the amount as shown, the line code, the mark's
                     name (value, error, clear-all, subtract, add, divide, multiply,
                     memory-subtract, memory-add, memory-recall, equals, percent,
                     memory-clear, total) and the ink (normal or red).
  --help             Print this text.
  --version          Print the version.

Only read and tape print, on standard output, and only on success. Errors are one line on
standard error, beginning with "vantrel-send: ".

Exit status:
  0  done
  1  the calculator answered with an error, or not as expected
  2  usage error: unknown command or wrong arguments
  3  no calculator running: no session bus, or nothing owns org.vantrel.Calculator
  4  bad amount: not a number in the form above
  5  too many decimals: more than four
  6  out of range
  7  unknown operation
)";
}

std::string VersionText() {
    return "vantrel-send " + std::string(kVersion) + "\n";
}

}  // namespace vantrel
