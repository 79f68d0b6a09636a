#include "tape/cups_library.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(CupsLibrary, TheSystemsLibraryIsLoadedOnceWithEveryCall) {
    const CupsLibrary* cups = Cups();
    ASSERT_NE(cups, nullptr);
    EXPECT_EQ(Cups(), cups);
    EXPECT_NE(cups->httpConnect2, nullptr);
    EXPECT_NE(cups->ippDelete, nullptr);
    EXPECT_GT(cups->ippPort(), 0);
}

TEST(CupsLibrary, AMissingLibraryOrOneWithoutTheCallsIsNone) {
    EXPECT_FALSE(LoadCupsLibrary("libvantrel-no-such-library.so.2").has_value());
    EXPECT_FALSE(LoadCupsLibrary("libz.so.1").has_value());
}

}  // namespace
}  // namespace vantrel
