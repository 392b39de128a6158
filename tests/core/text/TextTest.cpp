#include "text/Text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(CaseFolding, FoldsAsciiLettersOnly) {
    EXPECT_EQ(lowerAscii("aCB3R"), "acb3r");
    EXPECT_EQ(lowerAscii("\xC4\xA4"), "\xC4\xA4"); // bytes above 127 never change
    EXPECT_TRUE(equalsIgnoreCase("KEYa", "keyA"));
    EXPECT_FALSE(equalsIgnoreCase("\xC4", "\xE4"));
    EXPECT_FALSE(equalsIgnoreCase("key", "keyA"));
    EXPECT_EQ(findIgnoreCase("echo SAY say", "say"), 5u);
    EXPECT_EQ(findIgnoreCase("echo SAY say", "say", 6), 9u);
    EXPECT_EQ(findIgnoreCase("sa", "say"), std::string_view::npos);
}

struct LikeCase {
    const char* text;
    const char* pattern;
    bool matches;
};

class Like : public ::testing::TestWithParam<LikeCase> {};

TEST_P(Like, MatchesWholeTextIgnoringCase) {
    const LikeCase& c = GetParam();
    EXPECT_EQ(like(c.text, c.pattern), c.matches) << '"' << c.text << "\" like \"" << c.pattern << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Like,
    ::testing::Values(LikeCase{"aCB3", "aCB*", true}, LikeCase{"ACB", "aCB*", true},
                      LikeCase{" aCB3", "aCB*", false}, LikeCase{"", "*", true}, LikeCase{"", "", true},
                      LikeCase{"a", "", false}, LikeCase{"abc", "a?c", true}, LikeCase{"ac", "a?c", false},
                      LikeCase{"a7", "a#", true}, LikeCase{"ax", "a#", false}, LikeCase{"b", "[abc]", true},
                      LikeCase{"B", "[abc]", true}, LikeCase{"d", "[abc]", false},
                      LikeCase{"m", "[a-z]", true}, LikeCase{"M", "[a-z]", true},
                      LikeCase{"5", "[a-z]", false}, LikeCase{"d", "[!abc]", true},
                      LikeCase{"a", "[!abc]", false}, LikeCase{"[", "[[]", true}, LikeCase{"*", "[*]", true},
                      LikeCase{"x", "[*]", false}, LikeCase{"a[b", "a[b", false},
                      LikeCase{"bind f1 +af1", "bind f1 +*", true}, LikeCase{"abcabd", "*abd", true},
                      LikeCase{"abcab", "*abd", false}, LikeCase{"alias +af1 x", "alias +af1 *", true}));

TEST(Like, LongTextsWithManyStarsStayFast) {
    const std::string text(60000, 'a');
    EXPECT_FALSE(like(text, "*a*a*a*a*a*b"));
    EXPECT_TRUE(like(text + "b", "*a*a*a*a*a*b"));
}

TEST(Trim, RemovesSpacesOnly) {
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("\ta\t"), "\ta\t");
    EXPECT_EQ(trimLeft("  a "), "a ");
    EXPECT_EQ(trimRight("  a "), "  a");
    EXPECT_EQ(trim("   "), "");
}

} // namespace
} // namespace vantrel
