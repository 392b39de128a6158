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

TEST_F(ReaderTest, FileWithLineFeedsAloneGivesEveryBind) {
    open("bind f1 \"jump\"\nbind mouse1 \"+attack\"\nbind f2 +af2\nalias +af2 \"say hi\"\nalias -af2 "
         "\"slot10s\"\necho kept");
    EXPECT_EQ(bindOf("f1"), "jump");
    EXPECT_EQ(bindOf("mouse1"), "+attack");
    EXPECT_EQ(bindOf("f2"), "say hi");
    EXPECT_EQ(editor.slot10, "slot10s");
    EXPECT_EQ(editor.ssettings, std::vector<std::string>{"echo kept"});
}

} // namespace
} // namespace vantrel::testing
