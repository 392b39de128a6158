// The settings pass: which lines are kept, the Slot10 string and factor, the rcon lines, and which
// hold alias lines survive as kept lines.
#include "ReaderTesting.h"

#include <vector>

namespace vantrel::testing {
namespace {

struct KeptCase {
    const char* file; // lines separated by "\n"
    std::vector<std::string> kept;
};

std::ostream& operator<<(std::ostream& os, const KeptCase& c) {
    return os << '"' << c.file << '"';
}

class ReaderKeptLines : public ReaderTest, public ::testing::WithParamInterface<KeptCase> {};

TEST_P(ReaderKeptLines, KeepsWhatNoReaderModels) {
    open(GetParam().file);
    EXPECT_EQ(editor.ssettings, GetParam().kept);
}

const KeptCase keptLines[] = {
    {"", {}},
    {"   \n\n", {}},
    {"\t\x0b echo a", {"echo a"}},
    {"  echo a  ", {"echo a  "}},
    {"echo a\necho a", {"echo a", "echo a"}},
    {"echo a\xA4"
     "b",
     {"echo a\xA4"
      "b"}},
    {"wait; echo x", {"wait; echo x"}},
    // Bind lines of keys outside the key table, and lines that bind nothing, are kept.
    {"bind \"f1 \" \"x\"\nbindtoggle f1\nbind f1\nbind f1 // x",
     {"bind \"f1 \" \"x\"", "bindtoggle f1", "bind f1", "bind f1 // x"}},
    // Bind lines of keys are the key reads', whatever their shape.
    {"bind f1 \"x\"\nBIND F1 x\nbind \"f1\" +af1\nbind\tf1  \"x\"", {}},
    // A ";" outside quotes cuts a bind or alias line into two commands.
    {"bind f1 jump; wait", {"wait"}},
    {"bind \"w\" \"+forward\"; bind \"s\" \"+back\"", {}},
    {"bind PAUSE pause;  echo hi", {"bind PAUSE pause", "echo hi"}},
    {"alias foo \"a\"; echo b", {"alias foo \"a\"", "echo b"}},
    {"alias foo a; alias bar b; echo c", {"alias foo a", "alias bar b", "echo c"}},
    {"bind f1 \"x\" // a; b", {"b"}},
    // Wherever such a command stands, it is taken out of its line; the commands around it are kept.
    {"echo a; bind f1 x", {"echo a"}},
    {"wait;unbind h\necho x; unbind h;echo y;\techo z",
     {"wait", "unbind h", "echo x", "unbind h", "echo y;\techo z"}},
    {"\tunbindall\n// a; rcon_port 1", {"unbindall", "// a"}},
    // Only these commands are taken out; no cut inside quotes or in the semicolon key's name.
    {"bindx a;b", {"bindx a;b"}},
    {"alias x a;bind f2 \"b\"; bind f3 c;d", {"alias x a", "d"}},
    {"bind f1 \"a\" \"b;c\"; d", {"d"}},
    {"bind f1 \"a // b; c\"\nbind f1 a // b; c", {"c"}},
    {"bind f1 a//b; c", {"c"}},
    {"bind ; \"x\"; bind a b", {}},
    {"bind ;", {"bind ;"}},
    {"bind ;; x", {"bind ", "; x"}},
    // The lines of a chain the editor writes again are the circular reader's; every other alias
    // line is kept, whatever its name begins with.
    {"bind h aCB1\nalias aCB1 \"aCB1line1\"\nALIAS ACB1line1 \"x; alias aCB1 aCB1line1\"\n  alias aCB10r "
     "\"y\"\n"
     "alias acbuy \"buy; menuselect 4\"\nalias aCB1line12 \"z\"",
     {"alias aCB10r \"y\"", "alias acbuy \"buy; menuselect 4\"", "alias aCB1line12 \"z\""}},
    // Alias lines of foreign names are kept, whatever bind line ends in their name.
    {"alias volume \"x\"\nbind f1 +olume", {"alias volume \"x\""}},
    {"alias +ax \"say x\"\nbind f1 +ax", {"alias +ax \"say x\""}},
};
INSTANTIATE_TEST_SUITE_P(Lines, ReaderKeptLines, ::testing::ValuesIn(keptLines));

// A key's own hold alias pair is dropped only when the key read takes it apart.
const KeptCase holdPairs[] = {
    {"bind f1 +af1\nalias +af1 \"say hi\"\nalias -af1 \"slot10s\"", {}},
    {"alias +AF1 \"say hi\"\nalias -Af1 \"slot10s\"\nbind f1 +af1", {}},
    {"alias +af1 \"say hi\"\nalias -af1 \"-attack\"\nbind f1 +af1",
     {"alias +af1 \"say hi\"", "alias -af1 \"-attack\""}},
    {"bind f1 +af1\nalias +af1 \"+jump;+duck\"\nalias -af1 \"-jump;-duck\"",
     {"alias +af1 \"+jump;+duck\"", "alias -af1 \"-jump;-duck\""}},
    {"bind f1 \"jump\"\nalias +af1 \"say hi\"\nalias -af1 \"slot10s\"",
     {"alias +af1 \"say hi\"", "alias -af1 \"slot10s\""}},
    {"bind f1 +af1\nalias +af1 \"say hi\"\nbind f1 \"jump\"\nalias -af1 \"x\"",
     {"alias +af1 \"say hi\"", "alias -af1 \"x\""}},
    {"alias -af1 \"x\"", {"alias -af1 \"x\""}},
};
INSTANTIATE_TEST_SUITE_P(HoldPairs, ReaderKeptLines, ::testing::ValuesIn(holdPairs));

struct Slot10Case {
    const char* file;
    const char* slot10s;
    const char* slot10;
};

std::ostream& operator<<(std::ostream& os, const Slot10Case& c) {
    return os << '"' << c.file << '"';
}

class ReaderSlot10 : public ReaderTest, public ::testing::WithParamInterface<Slot10Case> {};

TEST_P(ReaderSlot10, SetsTheStringAndTheFactor) {
    editor.slot10s = "changed";
    editor.slot10 = "changed";
    open(GetParam().file);
    EXPECT_EQ(editor.slot10s, GetParam().slot10s);
    EXPECT_EQ(editor.slot10, GetParam().slot10);
}

const char* const s1 = "slot10s";
const char* const s2 = "slot10s;slot10s";
const char* const s3 = "slot10s;slot10s;slot10s";
const char* const s5 = "slot10s;slot10s;slot10s;slot10s;slot10s";
const char* const s7 = "slot10s;slot10s;slot10s;slot10s;slot10s;slot10s;slot10s";

const Slot10Case slot10Lines[] = {
    {"", defaultSlot10s, s5},
    {"ALIAS SLOT10S \"  x  \"  ", "x", s5},
    {"alias slot10s", "", s5},
    {"alias slot10s \"\"", "", s5},
    {"alias slot10s abc", "abc", s5},
    {"alias slot10s \"slot10;wait\" // close menu", "slot10;wait", s5},
    {"alias slot10sx \"a\"", defaultSlot10s, s1},
    {"alias slot10s \"a\"\nalias slot10s \"b\"", "b", s5},
    {"alias -af1 \"slot10s;slot10s;slot10s;slot10s;slot10s;slot10s;slot10s;slot10s\"", defaultSlot10s, s7},
    {"alias -af1 \"slot10s\"", defaultSlot10s, s1},
    {"alias -af1 \"slot10s; slot10s; slot10s\"", defaultSlot10s, s1},
    {"alias -af1 \"SLOT10S;Slot10s\"", defaultSlot10s, s2},
    {"alias -af1 \"slot10s;slot10s;slot10s\"\nalias -af2 \"slot10s;slot10s\"", defaultSlot10s, s2},
    {"alias foo \"say slot10s\"", defaultSlot10s, s1},
    {"echo slot10s;slot10s", defaultSlot10s, s5},
    {"alias aCB1line1 \"slot10s;slot10s; alias aCB1 aCB1line1\"", defaultSlot10s, s5},
};
INSTANTIATE_TEST_SUITE_P(Lines, ReaderSlot10, ::testing::ValuesIn(slot10Lines));

// An alias line holding "slot10s" that the editor does not regenerate is kept and still sets
// the factor: a foreign alias, and a key's own release line whose pair is not taken apart.
TEST_F(ReaderTest, KeptFactorLinesStillSetTheFactor) {
    open(crlf({"alias foo \"slot10s;slot10s\""}));
    EXPECT_EQ(editor.slot10, s2);
    EXPECT_EQ(editor.ssettings, std::vector<std::string>{"alias foo \"slot10s;slot10s\""});
    open(crlf({"bind f1 +af1", "alias +af1 \"jump\"", "alias -af1 \"slot10s;slot10s;slot10s\""}));
    EXPECT_EQ(bindOf("f1"), "+af1");
    EXPECT_EQ(editor.slot10, s3);
    EXPECT_EQ(editor.ssettings,
              (std::vector<std::string>{"alias +af1 \"jump\"", "alias -af1 \"slot10s;slot10s;slot10s\""}));
}

TEST_F(ReaderTest, RconLinesAreStoredWholeAndTheLastWins) {
    open(crlf({"  RCON_PORT 27015", "rcon_password first", "rcon_password se cret ", "rcon_portx",
               "rcon_password27015", "echo a; rcon_port 1;echo b"}));
    EXPECT_EQ(editor.srconport, "rcon_port 1");
    EXPECT_EQ(editor.srconpass, "rcon_password se cret ");
    EXPECT_EQ(editor.ssettings,
              (std::vector<std::string>{"rcon_portx", "rcon_password27015", "echo a", "echo b"}));
    open(crlf({"echo nothing"}));
    EXPECT_EQ(editor.srconport, "");
    EXPECT_EQ(editor.srconpass, "");
}

} // namespace
} // namespace vantrel::testing
