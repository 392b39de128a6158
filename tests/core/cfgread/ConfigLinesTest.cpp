// Cutting a file into lines at every kind of line end, and lines into the commands the game runs.
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

TEST(ReaderCommandCut, CutsAtTheFirstSemicolonOutsideQuotesAndComments) {
    constexpr size_t none = std::string_view::npos;
    EXPECT_EQ(commandCut("bind f1 jump; wait"), 12u);
    EXPECT_EQ(commandCut("bind f1 \"jump; wait\""), none);
    EXPECT_EQ(commandCut("bind f1 \"a\" \"b;c\"; d"), 17u);
    EXPECT_EQ(commandCut("bind f1 \"a // b; c\""), none);
    EXPECT_EQ(commandCut("bind f1 a // b; c"), none);
    EXPECT_EQ(commandCut("bind f1 a//b; c"), 12u);
    EXPECT_EQ(commandCut("bind ; \"x\"; bind a b"), 10u);
    EXPECT_EQ(commandCut("bind ;"), none);
    EXPECT_EQ(commandCut("bind ;; x"), 5u);
}

TEST(ReaderConfigLines, CutsOnlyBindAndAliasLinesAndReadsTheRestAgain) {
    const ConfigLines lines("  bind f1 jump;  wait\n"
                            "echo a; echo b\n"
                            "alias x a;bind f2 \"b\"; bind f3 c;d\n"
                            "bindx a;b\n");
    EXPECT_EQ(lines.lines(), (Lines{"bind f1 jump", "wait", "echo a; echo b", "alias x a", "bind f2 \"b\"",
                                    "bind f3 c", "d", "bindx a;b"}));
}

} // namespace
} // namespace vantrel::testing
