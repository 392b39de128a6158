// Cutting a file into lines at every kind of line end.
#include "cfgread/ConfigLines.h"

#include "ReaderTesting.h"

#include <vector>

namespace vantrel::testing {
namespace {

using Lines = std::vector<std::string_view>;

TEST(ReaderTextLines, EndAtCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(textLines(""), Lines{});
    EXPECT_EQ(textLines("a"), Lines{"a"});
    EXPECT_EQ(textLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(textLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(textLines("a\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(textLines("a\r\rb\n\n"), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(textLines("\r\n"), Lines{""});
}

} // namespace
} // namespace vantrel::testing
