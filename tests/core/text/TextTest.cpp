#include "text/Text.h"
#include "text/Console.h"

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
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(trimLeadingSpaces("  a "), "a ");
    EXPECT_EQ(trimTrailingSpaces("  a "), "  a");
    EXPECT_EQ(trimSpaces("   "), "");
}

// The commands and words the game's console makes of a text: each command's words in brackets,
// commands apart by "|".
std::string consoleReading(std::string_view text) {
    std::string out;
    for (std::string_view command : consoleCommands(text)) {
        out += command.data() == text.data() ? "" : "|";
        for (const ConsoleWord& word : consoleWords(command))
            out += newString("[").append(word.text).append("]");
    }
    return out;
}

TEST(ConsoleReading, CommandsAndWordsAsTheGameMakesThem) {
    using namespace std::string_literals;
    const std::pair<std::string, const char*> cases[] = {
        {"echo a;echo  b", "[echo][a]|[echo][b]"},
        {"say \"a;b\"; x", "[say][a;b]|[x]"},
        {"x\"y z\"; w", "[x\"y][z\"]|[w]"},
        {"\x0b\x0c"
         "echo\x01"
         "a\x1f"
         "b\r",
         "[echo][a][b]"},
        {"a//b // c; //d\n; e", "[a//b]||[e]"},
        {"it's {x},(y):z", "[it]['][s][{][x][}][,][(][y][)][:][z]"},
        {"say \"unclosed ; x", "[say][unclosed ; x]"},
        {"a\0b; c"s, "[a]|[c]"},
        {"\"a\0b\" c"s, "[a]"},
        {";;", "||"},
        {"", ""},
    };
    for (const auto& [text, reading] : cases)
        EXPECT_EQ(consoleReading(text), reading) << text;
}

TEST(ConsoleReading, ValuesAreQuotedWhenTheGameWouldNotReadThemAsOneWord) {
    using namespace std::string_literals;
    for (const std::string& word : {"27015"s, "x\"y"s, "p@ss"s})
        EXPECT_FALSE(mustQuote(word)) << word;
    for (const std::string& value : {""s, "a b"s, "a;b"s,
                                     "a\x0b"
                                     "b"s,
                                     "//a"s, "a//b"s, "it's"s, "(x)"s, "a:b"s, "\"a\""s, "a\0"s})
        EXPECT_TRUE(mustQuote(value)) << value;
}

} // namespace
} // namespace vantrel
