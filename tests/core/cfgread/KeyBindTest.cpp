// Reading one key's bind: the shapes of a key's bind lines, the last line deciding, the bind text
// as the game reads it, and the key's own hold bind line resolved through its press alias.
#include "ReaderTesting.h"

#include <tuple>

namespace vantrel::testing {
namespace {

struct KeyCase {
    const char* file; // lines separated by "\n"; each case runs with every kind of line end
    const char* key;  // game key name
    const char* bind; // the key's bind afterwards
    bool painted;
};

std::ostream& operator<<(std::ostream& os, const KeyCase& c) {
    return os << c.key << " in \"" << c.file << '"';
}

const char* const lineEnds[] = {"\r\n", "\n", "\r"};

class ReaderKeyBind : public ReaderTest,
                      public ::testing::WithParamInterface<std::tuple<KeyCase, const char*>> {};

TEST_P(ReaderKeyBind, GivesTheBindTheGameUses) {
    const auto& [c, end] = GetParam();
    std::string file;
    for (const char* p = c.file; *p; ++p)
        file += *p == '\n' ? std::string(end) : std::string(1, *p);
    open(file);
    EXPECT_EQ(bindOf(c.key), c.bind);
    EXPECT_EQ(painted(c.key), c.painted);
}

// Quoted and bare key names, letter case, blanks around the parts of a bind line; a line without a
// body only shows the key's bind in the game.
const KeyCase shapes[] = {
    {"bind f1 \"jump\"", "f1", "jump", true},
    {"bind \"f1\" \"jump\"", "f1", "jump", true},
    {"BIND F1 \"Jump\"", "f1", "Jump", true},
    {"   bind f1 \"jump\"", "f1", "jump", true},
    {"bind f1\t\"jump\"", "f1", "jump", true},
    {"\t\x0b bind\x0c\"f1\"\t\"jump\"", "f1", "jump", true},
    {"bind f1", "f1", "", false},
    {"bind f1 ", "f1", "", false},
    {"bind f1 \"\"", "f1", "", true},
    {"bind ins  \"x\"", "ins", "x", true},
    {"bind \"f1 \" \"jump\"", "f1", "", false},
};
INSTANTIATE_TEST_SUITE_P(Shapes, ReaderKeyBind,
                         ::testing::Combine(::testing::ValuesIn(shapes), ::testing::ValuesIn(lineEnds)));

// The bind text: its words up to ";" or a comment, joined by single blanks as the game joins them; a
// body of one quoted word keeps the blanks inside it.
const KeyCase texts[] = {
    {"bind f1 jump", "f1", "jump", true},
    {"bind f1 jump; wait", "f1", "jump", true},
    {"bind f1 \"jump\" x", "f1", "jump x", true},
    {"bind f2 \"+jump\" \"+duck\"", "f2", "+jump +duck", true},
    {"bind \"F4\"\"\" \"flash\"", "f4", "flash", true},
    {"bind f1 \"\" +jump", "f1", "+jump", true},
    {"bind f1 +jump \"\"", "f1", "+jump", true},
    {"bind g \"drop\"\xED\xED", "g", "drop \xED\xED", true},
    {"bind \"f3\" \"say\" hi", "f3", "say hi", true},
    {"bind f7 echo hi,there", "f7", "echo hi , there", true},
    {"bind f8 echo   hi", "f8", "echo hi", true},
    {"bind ins \"say \"hi\"\"", "ins", "say  hi''", true},
    {"bind f1 \"  say hi  \"", "f1", "say hi", true},
    {"bind f1 \"\tsay hi\t\"", "f1", "\tsay hi\t", true},
    {"bind f1 \"jump", "f1", "jump", true},
    {"bind f1 jump // comment", "f1", "jump", true},
    {"bind f1 a//b", "f1", "a//b", true},
    {"bind f1 // nothing", "f1", "", false},
    {"bind f3 say \"gg wp\"", "f3", "say gg wp", true},
    {"bind f2 xinmodels  \"1\" // c", "f2", "xinmodels 1", true},
    {"\tbind f1 x; echo y", "f1", "x", true},
    {"echo y; bind f1 x", "f1", "x", true},
    {"bind f1 \t jump \t", "f1", "jump", true},
    {"bind ins                              \"say hi\"", "ins", "say hi", true},
};
INSTANTIATE_TEST_SUITE_P(Texts, ReaderKeyBind,
                         ::testing::Combine(::testing::ValuesIn(texts), ::testing::ValuesIn(lineEnds)));

// A name no key has, and the semicolon key named bare. Keys whose names begin alike and names that
// are wildcard characters are every key's in the round trip; names in capitals, the published config's.
const KeyCase names[] = {
    {"bind kp_ins \"x\"\nbind insert \"y\"", "ins", "", false},
    {"bind ; \"x\"", ";", "x", true},
};
INSTANTIATE_TEST_SUITE_P(Names, ReaderKeyBind,
                         ::testing::Combine(::testing::ValuesIn(names), ::testing::ValuesIn(lineEnds)));

// Every bind line of a key counts in file order; the last one decides whatever its shape.
const KeyCase lastLineWins[] = {
    {"bind f1 \"a\"\nbind f1 \"b\"", "f1", "b", true},
    {"bind f1 \"a\"\nbind f1 \"\"", "f1", "", true},
    {"bind f1 +af1\nalias +af1 \"say hi\"\nbind f1 \"jump\"", "f1", "jump", true},
    {"bind f1 \"jump\"\nbind f1 +af1", "f1", "+af1", true},
    {"bind f1 \"jump\"\nbind f1 +af1\nalias +af1 \"say hi\"\nalias -af1 \"slot10s\"", "f1", "say hi", true},
    {"bind f1 +af1\nbind f1 +attack", "f1", "+attack", true},
};
INSTANTIATE_TEST_SUITE_P(LastLineWins, ReaderKeyBind,
                         ::testing::Combine(::testing::ValuesIn(lastLineWins),
                                            ::testing::ValuesIn(lineEnds)));

// A hold bind line of the key's own hold alias takes the body of the last press alias line when
// that pair is written back as it stands (a hold alias body, released by the file's factor); every
// other hold line is read as it stands.
const KeyCase holdLines[] = {
    {"bind f1 +af1\nalias +af1 \"buy; menuselect 3\"\nalias -af1 \"slot10s\"", "f1", "+af1", true},
    {"alias +af1 \"say one\"\nbind f1 +af1\nalias +af1 \"say two\"\nalias -af1 \"slot10s\"", "f1", "say two",
     true},
    {"alias +af1 \"say one\"\nalias +af1 \"\"\nbind f1 +af1\nalias -af1 \"slot10s\"", "f1", "+af1", true},
    {"bind f1 +af1\nalias +af1 \"+jump;+duck\"\nalias -af1 \"slot10s\"", "f1", "+af1", true},
    {"bind f1 +af1\nalias -af1 \"slot10s\"", "f1", "+af1", true},
    {"bind f1 +attack", "f1", "+attack", true},
    {"bind f1 \"+af1\"\nalias +af1 \"say hi\"\nalias -af1 \"slot10s\"", "f1", "say hi", true},
    {"bind \"f1\" \"+af1\"\nalias +af1 \"say hi\"\nalias -af1 \"slot10s\"", "f1", "say hi", true},
    {"bind ins +AINS\nalias +ains \"say hi\"\nalias -ains \"slot10s\"", "ins", "say hi", true},
    {"bind ins +ains // x\nalias +ains \"say hi\"\nalias -ains \"slot10s\"", "ins", "say hi", true},
    {"bind ins +ains // x", "ins", "+ains", true},
    {"bind ins +a#\nalias +a1 \"say x\"", "ins", "+a#", true},
    {"bind ins +a[\nalias +a[ \"say x\"", "ins", "+a[", true},
    {"bind space +jd\nalias +jd \"+jump;+duck\"\nalias -jd \"-jump;-duck\"", "space", "+jd", true},
    {"bind f1 \"+attack; wait\"", "f1", "+attack; wait", true},
    {"bind f1 \"+af1;x\"\nalias +af1 \"say hi\"\nalias -af1 \"slot10s\"", "f1", "+af1;x", true},
    {"bind f1 +af1;x\nalias +af1 \"say hi\"\nalias -af1 \"slot10s\"", "f1", "say hi", true},
    {"bind kp_5 +akp5\nalias +akp5 \"radio1; menuselect 2\"\nalias -akp5 \"slot10s\"", "kp_5",
     "radio1; menuselect 2", true},
    {"bind ins +", "ins", "+", true},
    {"bind ins +ains\nalias +ains \"say hi\" // x\nalias -ains \"slot10s\"", "ins", "say hi", true},
    {"bind f1 +af1\nalias +af1 say hi // c\nalias -af1 \"slot10s\"", "f1", "say hi", true},
    {"bind f1 +af1\nalias +af1 +attack\nalias -af1 \"slot10s\"", "f1", "+af1", true},
    {"bind f1 +af1\nalias +af1 \"say \"hi\"\"\nalias -af1 \"slot10s\"", "f1", "say  hi''", true},
    {"bind f5 +af5\nalias +af5 \"say\" hi\nalias -af5 \"slot10s\"", "f5", "say hi", true},
    // Another key's pair is read as its press text; a pair that presses something reads as its text.
    {"bind b +aa\nalias +aa \"say hi\"\nalias -aa \"slot10s\"", "b", "say hi", true},
    {"bind b +aa\nalias +aa \"say hi\"", "b", "+aa", true},
    {"bind a \"jump\"\nbind b +aa", "b", "+aa", true},
    {"bind x +ax\nalias +ax \"+attack; say hi\"\nalias -ax \"slot10s\"", "x", "+attack; say hi", true},
    {"bind f1 +af1\n   alias +af1 \"say hi\"\nalias -af1 \"slot10s\"", "f1", "say hi", true},
    {"bind f1 +af1\nalias +af1\t\"say hi\"\nalias -af1 \"slot10s\"", "f1", "say hi", true},
    {"bind f1 +af1\nalias +af1\"say hi\"\nalias -af1 \"slot10s\"", "f1", "+af1", true},
    {"bind ins +ains\nalias +ains2 \"say x\"\nalias -ains \"slot10s\"", "ins", "+ains", true},
    {"bind f1 +af10\nalias +af10 \"say x\"\nalias -af1 \"slot10s\"", "f1", "+af10", true},
    // The pair is the key's own only with the release the writer writes, the file's factor.
    {"bind f1 +af1\nalias +af1 \"say go\"", "f1", "+af1", true},
    {"bind f1 +af1\nalias +af1 \"say go\"\nalias -af1 \"slot10s\"\nalias -af2 \"slot10s;slot10s\"", "f1",
     "+af1", true},
    {"bind f1 +af1\nalias +af1 \"say go\"\nalias -af1 \"SLOT10S;slot10s\" // c", "f1", "say go", true},
    {"bind f1 \"+af1 x\"", "f1", "+af1 x", true},
    // A pair pressed by a bind's first command, as the key event cuts it, runs before the others.
    {"bind a \"+aa ; say bye\"\nalias +aa \"say A\"\nalias -aa \"slot10s\"", "a", "+aa ; say bye", true},
    {"bind a +aa\nbind b \"+aa ; say bye\"\nalias +aa \"say A\"\nalias -aa \"slot10s\"", "b",
     "say A; say bye", true},
    {"bind a \"+aa ;say bye\"\nbind b \"+aa\t; echo b\"\nalias +aa \"say A\"\nalias -aa \"slot10s\"", "b",
     "say A; echo b", true},
    {"bind a +aa\nbind b \"+aa; +duck\"\nalias +aa \"say A\"\nalias -aa \"slot10s\"", "b", "+aa; +duck",
     true},
    {"bind a \"say Z\"\nbind b \"+aa; +duck\"\nalias +aa \"say A\"\nalias -aa \"slot10s\"", "b",
     "say A; +duck", true},
};
INSTANTIATE_TEST_SUITE_P(HoldLines, ReaderKeyBind,
                         ::testing::Combine(::testing::ValuesIn(holdLines), ::testing::ValuesIn(lineEnds)));

TEST_F(ReaderTest, AltControlAndShiftPaintBothButtons) {
    open(crlf({"bind alt \"x\"", "bind ctrl \"y\"", "bind shift \"z\""}));
    EXPECT_EQ(editor.bind(*keyById("keyLALT", Case::Exact)), "x");
    EXPECT_EQ(editor.bind(*keyById("keyLCONTROL", Case::Exact)), "y");
    EXPECT_EQ(editor.bind(*keyById("keyLSHIFT", Case::Exact)), "z");
    for (const char* b : {"keyLALT", "keyRALT", "keyLCONTROL", "keyRCONTROL", "keyLSHIFT", "keyRSHIFT"})
        EXPECT_EQ(editor.colours.of(b), Colour::Bound) << b;
    for (const char* dead : {"keyRALT", "keyRCONTROL", "keyRSHIFT", "keyLSLASH"})
        EXPECT_EQ(editor.bind(*keyById(dead, Case::Exact)), "") << dead;
    EXPECT_EQ(editor.colours.of("keyLSLASH"), Colour::Unbindable);
}

} // namespace
} // namespace vantrel::testing
