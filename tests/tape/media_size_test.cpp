#include <gtest/gtest.h>

#include "tape/print_server.h"

namespace vantrel {
namespace {

TEST(MediaSize, ReadsMillimetresAndInchesAndNothingElse) {
    struct Row {
        const char* media;
        double width;
        double height;
    };
    const Row rows[] = {
        {"iso_a4_210x297mm", 210, 297},
        {"na_letter_8.5x11in", 215.9, 279.4},
        {"custom_min_3x5in", 76.2, 127},
        {"om_small-photo_100x150mm", 100, 150},
        {"iso_a4_210x297", 0, 0},
        {"iso_a4_210x297pt", 0, 0},
        {"na_letter_x11in", 0, 0},
        {"na_letter_8.5xin", 0, 0},
        {"iso_a4_-210x297mm", 0, 0},
        {"in", 0, 0},
        {"", 0, 0},
    };
    for (const Row& row : rows) {
        const PageMillimetres size = MediaSize(row.media);
        EXPECT_NEAR(size.width, row.width, 1e-9) << row.media;
        EXPECT_NEAR(size.height, row.height, 1e-9) << row.media;
    }
}

}  // namespace
}  // namespace vantrel
