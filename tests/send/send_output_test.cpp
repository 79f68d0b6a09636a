#include "tools/send/send_output.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(SendOutput, TapeTextAlignsAmountsAndCountsTotalItems) {
    const std::vector<TapeRow> rows = {
        {"0", 0, true},   {"1,250.75", 2, true},  {"-8.75", 1, false}, {"1,242", 102, true},
        {"5", 101, true}, {"-Error-", -1, false}, {"2", 3, true},      {"3", 8, true},
    };
    EXPECT_EQ(TapeText(rows),
              "       0  CA\n"
              "1,250.75  +\n"
              "   -8.75  -\n"
              "   1,242  T  2 items\n"
              "       5  T  1 item\n"
              " -Error-\n"
              "       2  /\n"
              "       3  =\n");
}

TEST(SendOutput, CsvQuotesWhatNeedsIt) {
    const std::vector<TapeRow> rows = {
        {"1,250.75", 2, true}, {"-5", 4, false}, {"say \"x\"", -2, true}, {"7", 99, true}};
    EXPECT_EQ(TapeCsv(rows),
              "amount,code,mark,ink\r\n"
              "\"1,250.75\",2,add,normal\r\n"
              "-5,4,multiply,red\r\n"
              "\"say \"\"x\"\"\",-2,value,normal\r\n"
              "7,99,total,normal\r\n");
    EXPECT_EQ(TapeCsv({}), "amount,code,mark,ink\r\n");
}

}  // namespace
}  // namespace vantrel
