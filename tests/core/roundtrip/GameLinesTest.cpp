// Files opened and saved again keep what the game runs: chains the editor does not rebuild, a
// pair's own release, text after closing quotes, unbind lines after binds and alias names as the
// game ends them. Each case is a file and the exact bytes saved from it.
#include "EditorFixture.h"
#include "RoundTrip.h"
#include "SilentPrompter.h"
#include "cfgwrite/ConfigText.h"
#include "cfgwrite/ConfigWriter.h"

#include <gtest/gtest.h>

namespace vantrel::testing {
namespace {

// Every saved file begins with the Slot10 string's line between empty lines.
const std::string head =
    crlf({"", "alias slot10s \"slot10;wait;wait;slot10;wait;wait;slot10;wait;wait\"", ""});

struct SavedCase {
    const char* what;
    std::string file;
    std::string saved;
};

const SavedCase savedCases[] = {
    {"a reverse chain whose forward chain is missing is kept, and its key runs it",
     crlf({"bind j \"aCB2r\"", "alias aCB2r \"aCB2rline1\"",
           "alias aCB2rline1 \"slot1; alias aCB2r aCB2rline2; alias aCB2 aCB2line1\"",
           "alias aCB2rline2 \"slot2; alias aCB2r aCB2rline1; alias aCB2 aCB2line2\""}),
     head + crlf({"alias aCB2r \"aCB2rline1\"",
                  "alias aCB2rline1 \"slot1; alias aCB2r aCB2rline2; alias aCB2 aCB2line1\"",
                  "alias aCB2rline2 \"slot2; alias aCB2r aCB2rline1; alias aCB2 aCB2line2\"", "",
                  "bind j \"aCB2r\"", ""})},
    {"an alias whose name only begins like a chain's is kept",
     crlf({"alias acbuy \"buy; menuselect 4\"", "bind f5 \"acbuy\""}),
     head + crlf({"alias acbuy \"buy; menuselect 4\"", "", "bind f5 \"acbuy\"", ""})},
    {"the chain of a marker no key of the table holds is kept",
     crlf({"bind \"pause\" \"aCB2\"", "alias aCB2 \"aCB2line1\"",
           "alias aCB2line1 \"slot1; alias aCB2 aCB2line1\""}),
     head + crlf({"bind \"pause\" \"aCB2\"", "alias aCB2 \"aCB2line1\"",
                  "alias aCB2line1 \"slot1; alias aCB2 aCB2line1\"", ""})},
    {"names that are no chain line's are kept and read as no bind",
     crlf({"bind f1 aCB1", "alias aCB1 \"aCB1line1\"", "alias aCB1line1 \"a; alias aCB1 aCB1line1\"",
           "alias aCB1line12 \"b; alias aCB1 aCB1line1\"", "alias aCB1line1x \"c\""}),
     head + crlf({"alias aCB1line12 \"b; alias aCB1 aCB1line1\"", "alias aCB1line1x \"c\"", "",
                  "bind f1 \"aCB1\"", "alias aCB1 \"aCB1line1\"",
                  "alias aCB1line1 \"a; alias aCB1 aCB1line1\"", "", ""})},
    {"a key's own pair with a release of its own keeps the release",
     crlf({"bind f1 +af1", "alias +af1 \"say go;+jump\"", "alias -af1 \"-jump\""}),
     head + crlf({"alias +af1 \"say go;+jump\"", "alias -af1 \"-jump\"", "", "bind f1 \"+af1\"", ""})},
    {"a pair released by the file's factor is the editor's own",
     crlf({"bind f1 +af1", "alias +af1 \"say go\"", "alias -af1 \"slot10s\""}),
     head + crlf({"bind f1 +af1", "alias +af1 \"say go\"", "alias -af1 \"slot10s\"", ""})},
    {"a blank after the closing quote of chain line 1 leaves the two-way block wrapping",
     crlf({"bind h \"aCB3\"", "alias aCB3 \"aCB3line1\"",
           "alias aCB3line1 \"slot1; alias aCB3 aCB3line2; alias aCB3r aCB3rline1\" ",
           "alias aCB3line2 \"slot2; alias aCB3 aCB3line1; alias aCB3r aCB3rline2\"", "bind j \"aCB3r\"",
           "alias aCB3r \"aCB3rline2\"",
           "alias aCB3rline1 \"slot2; alias aCB3r aCB3rline2; alias aCB3 aCB3line1\"",
           "alias aCB3rline2 \"slot1; alias aCB3r aCB3rline1; alias aCB3 aCB3line2\""}),
     head + crlf({"bind h \"aCB3\"", "alias aCB3 \"aCB3line1\"",
                  "alias aCB3line1 \"slot1; alias aCB3 aCB3line2; alias aCB3r aCB3rline1\"",
                  "alias aCB3line2 \"slot2; alias aCB3 aCB3line1; alias aCB3r aCB3rline2\"", "", "",
                  "bind j \"aCB3r\"", "alias aCB3r \"aCB3rline2\"",
                  "alias aCB3rline1 \"slot2; alias aCB3r aCB3rline2; alias aCB3 aCB3line1\"",
                  "alias aCB3rline2 \"slot1; alias aCB3r aCB3rline1; alias aCB3 aCB3line2\"", "", ""})},
    {"a comment after the start line's closing quote keeps the start, blanks around the end number too",
     crlf({"bind f2 aCB1", "alias aCB1 \"aCB1line2\" // start",
           "alias aCB1line1 \"a; alias aCB1 aCB1line2 \t\"\t// one way",
           "alias aCB1line2 \"b; alias aCB1 aCB1line1\""}),
     head +
         crlf({"bind f2 \"aCB1\"", "alias aCB1 \"aCB1line2\"", "alias aCB1line1 \"a; alias aCB1 aCB1line2\"",
               "alias aCB1line2 \"b; alias aCB1 aCB1line1\"", "", ""})},
    {"a start link ends at a tab or a \";\" as the game splits it",
     crlf({"bind f1 \"aCB1\"", "alias aCB1 \"aCB1line2\t\"",
           "alias aCB1line1 \"slot1; alias aCB1 aCB1line2\"",
           "alias aCB1line2 \"slot2; alias aCB1 aCB1line1\"", "bind f2 \"aCB2\"", "alias aCB2 \"aCB2line2;\"",
           "alias aCB2line1 \"slot1; alias aCB2 aCB2line2\"",
           "alias aCB2line2 \"slot2; alias aCB2 aCB2line1\""}),
     head + crlf({"bind f1 \"aCB1\"", "alias aCB1 \"aCB1line2\"",
                  "alias aCB1line1 \"slot1; alias aCB1 aCB1line2\"",
                  "alias aCB1line2 \"slot2; alias aCB1 aCB1line1\"", "", "", "bind f2 \"aCB2\"",
                  "alias aCB2 \"aCB2line2\"", "alias aCB2line1 \"slot1; alias aCB2 aCB2line2\"",
                  "alias aCB2line2 \"slot2; alias aCB2 aCB2line1\"", "", ""})},
    {"a \";\" after chain line 1's last link leaves the two-way block wrapping from its start",
     crlf({"bind h \"aCB3\"", "alias aCB3 \"aCB3line2\t\"",
           "alias aCB3line1 \"slot1; alias aCB3 aCB3line2; alias aCB3r aCB3rline1;\"",
           "alias aCB3line2 \"slot2; alias aCB3 aCB3line1; alias aCB3r aCB3rline2\"", "bind j \"aCB3r\"",
           "alias aCB3r \"aCB3rline1\"",
           "alias aCB3rline1 \"slot2; alias aCB3r aCB3rline2; alias aCB3 aCB3line1\"",
           "alias aCB3rline2 \"slot1; alias aCB3r aCB3rline1; alias aCB3 aCB3line2\""}),
     head + crlf({"bind h \"aCB3\"", "alias aCB3 \"aCB3line2\"",
                  "alias aCB3line1 \"slot1; alias aCB3 aCB3line2; alias aCB3r aCB3rline1\"",
                  "alias aCB3line2 \"slot2; alias aCB3 aCB3line1; alias aCB3r aCB3rline2\"", "", "",
                  "bind j \"aCB3r\"", "alias aCB3r \"aCB3rline1\"",
                  "alias aCB3rline1 \"slot2; alias aCB3r aCB3rline2; alias aCB3 aCB3line1\"",
                  "alias aCB3rline2 \"slot1; alias aCB3r aCB3rline1; alias aCB3 aCB3line2\"", "", ""})},
    {"a start that names no line starts both keys at bind 1 and keeps stopping at the ends",
     crlf({"bind h \"aCB1\"", "alias aCB1 \"aCB1line\"",
           "alias aCB1line1 \"slot1; alias aCB1 aCB1line2; alias aCB1r aCB1rline2\"",
           "alias aCB1line2 \"slot2; alias aCB1 aCB1line2; alias aCB1r aCB1rline2\"", "bind j \"aCB1r\"",
           "alias aCB1r \"aCB1rline\"",
           "alias aCB1rline1 \"slot2; alias aCB1r aCB1rline2; alias aCB1 aCB1line2\"",
           "alias aCB1rline2 \"slot1; alias aCB1r aCB1rline2; alias aCB1 aCB1line2\""}),
     head + crlf({"bind h \"aCB1\"", "alias aCB1 \"aCB1line1\"",
                  "alias aCB1line1 \"slot1; alias aCB1 aCB1line2; alias aCB1r aCB1rline2\"",
                  "alias aCB1line2 \"slot2; alias aCB1 aCB1line2; alias aCB1r aCB1rline2\"", "", "",
                  "bind j \"aCB1r\"", "alias aCB1r \"aCB1rline2\"",
                  "alias aCB1rline1 \"slot2; alias aCB1r aCB1rline2; alias aCB1 aCB1line2\"",
                  "alias aCB1rline2 \"slot1; alias aCB1r aCB1rline2; alias aCB1 aCB1line2\"", "", ""})},
    {"a chain without a blank after its \";\" keeps every bind whole",
     crlf({"bind h \"aCB1\"", "alias aCB1 \"aCB1line1\"", "alias aCB1line1 \"slot1;alias aCB1 aCB1line2\"",
           "alias aCB1line2 \"slot2;alias aCB1 aCB1line1\""}),
     head + crlf({"bind h \"aCB1\"", "alias aCB1 \"aCB1line1\"",
                  "alias aCB1line1 \"slot1; alias aCB1 aCB1line2\"",
                  "alias aCB1line2 \"slot2; alias aCB1 aCB1line1\"", "", ""})},
    {"a command after blanks or a \";\" is read where it stands; an unquoted body's quoted words are joined",
     crlf({"bind h \"x\"", "\tunbind h", "wait;bind f2 xinmodels \"1\""}),
     head + crlf({"unbind h", "wait", "", "bind f2 \"xinmodels 1\"", ""})},
    {"an unbind after a key's bind leaves the key unbound; a capital letter names no key",
     crlf({"bind f1 \"kill\"", "unbind f1", "bind f2 \"a\"", "unbind \"F2\" // gone", "bind f3 \"b\"",
           "unbind f3 now", "bind a \"jump\"", "unbind A"}),
     head + crlf({"unbind f1", "unbind \"F2\" // gone", "unbind f3 now", "unbind A", "", "bind f3 \"b\"", "",
                  "bind a \"jump\"", ""})},
    {"an unbindall leaves every key bound before it unbound",
     crlf({"bind f1 \"kill\"", "unbindall; bind f2 \"a\"", "unbind f2", "bind f2 \"c\""}),
     head + crlf({"unbindall", "unbind f2", "", "bind f2 \"c\"", ""})},
    {"an alias name ends at a blank, not at a double quote; a bare alias word is cut at its ;",
     crlf({"bind f1 +af1", "alias +af1\"say hi\"", "alias -af1 \"slot10s\"", "alias;bind f2 \"y\""}),
     head + crlf({"alias +af1\"say hi\"", "alias -af1 \"slot10s\"", "alias", "", "bind f1 \"+af1\"", "",
                  "bind f2 \"y\"", ""})},
    {"a bind that presses something is written plain, so the game releases it; its pair's lines are kept; an "
     "empty last word is dropped",
     crlf({"bind x +ax", "alias +ax \"+attack; say hi\"", "alias -ax \"slot10s\"",
           "bind f9 \"say hi; +duck\"", "bind f10 \"+jump;buyequip\"", "bind f1 +jump \"\""}),
     head + crlf({"alias +ax \"+attack; say hi\"", "alias -ax \"slot10s\"", "", "bind f1 \"+jump\"", "",
                  "bind f9 \"say hi; +duck\"", "", "bind f10 \"+jump;buyequip\"", "",
                  "bind x \"+attack; say hi\"", ""})},
    {"a key bound to another key's pair gets a pair of its own",
     crlf({"bind a +aa", "alias +aa \"say hi\"", "alias -aa \"slot10s\"", "bind b +aa"}),
     head + crlf({"bind a +aa", "alias +aa \"say hi\"", "alias -aa \"slot10s\"", "", "bind b +ab",
                  "alias +ab \"say hi\"", "alias -ab \"slot10s\"", ""})},
    {"a key pressing a pair keeps the commands after it: another key's pair is spelt out before them, its "
     "own "
     "pair kept with them, as other lines may press it",
     crlf({"bind a \"+aa ; say bye\"", "alias +aa \"say A\"", "alias -aa \"slot10s\"",
           "bind b \"+aa; echo b\"", "bind c \"+aa;+duck\""}),
     head + crlf({"alias +aa \"say A\"", "alias -aa \"slot10s\"", "", "bind a \"+aa ; say bye\"", "",
                  "bind b +ab", "alias +ab \"say A; echo b\"", "alias -ab \"slot10s\"", "",
                  "bind c \"+aa;+duck\"", ""})},
    {"pairs pressing pairs run in the order the game runs them; pairs that loop are kept as they stand",
     crlf({"bind a +aa", "alias +aa \"+ae ; say A\"", "alias -aa \"slot10s\"", "bind d +ad",
           "alias +ad \"+aa ; say D\"", "alias -ad \"slot10s\"", "alias +ae \"say E; +ac\"",
           "alias -ae \"slot10s\"", "bind b +ab", "alias +ab \"+ab ; say B\"", "alias -ab \"slot10s\""}),
     head + crlf({"alias +aa \"+ae ; say A\"", "alias -aa \"slot10s\"", "alias +ad \"+aa ; say D\"",
                  "alias -ad \"slot10s\"", "alias +ae \"say E; +ac\"", "alias -ae \"slot10s\"",
                  "alias +ab \"+ab ; say B\"", "alias -ab \"slot10s\"", "", "bind a \"say E; +ac; say A\"",
                  "", "bind b \"+ab\"", "", "bind d \"say E; +ac; say A; say D\"", ""})},
    {"a key read through a pair keeps pressing it where the text spelt out would be longer than the game "
     "takes",
     crlf({"bind a +aa", "alias +aa \"say " + std::string(256, 'a') + "\"", "alias -aa \"slot10s\"",
           "bind b \"+aa; say " + std::string(249, 'b') + "\""}),
     head + crlf({"bind a +aa", "alias +aa \"say " + std::string(256, 'a') + "\"", "alias -aa \"slot10s\"",
                  "", "bind b \"+aa; say " + std::string(249, 'b') + "\"", ""})},
    {"a key read through a pair is spelt out up to the longest word the game takes",
     crlf({"bind a +aa", "alias +aa \"say " + std::string(256, 'a') + "\"", "alias -aa \"slot10s\"",
           "bind b \"+aa; say " + std::string(248, 'b') + "\""}),
     head + crlf({"bind a +aa", "alias +aa \"say " + std::string(256, 'a') + "\"", "alias -aa \"slot10s\"",
                  "", "bind b +ab",
                  "alias +ab \"say " + std::string(256, 'a') + "; say " + std::string(248, 'b') + "\"",
                  "alias -ab \"slot10s\"", ""})},
    {"an rcon line without a value sets nothing",
     crlf({"rcon_password secret", "rcon_password", "rcon_port 27016", "rcon_port // default"}),
     crlf({"rcon_port 27016", "", "rcon_password secret", ""}) + head},
    {"text after the closing quote of the slot10s line is no part of the Slot10 text",
     crlf({"alias slot10s \"slot10;wait\" // close menu"}), crlf({"", "alias slot10s \"slot10;wait\"", ""})},
};

TEST(SavedLines, KeepWhatTheGameRuns) {
    for (const SavedCase& c : savedCases) {
        const std::string saved = saveOpened(c.file);
        const std::string diff = difference(c.saved, saved);
        EXPECT_TRUE(diff.empty()) << c.what << "\n" << diff;
        EXPECT_EQ(saveOpened(saved), saved) << c.what;
    }
}

// A key bound to another key's pair keeps what it ran when that key is changed or cleared.
TEST(SavedLines, AKeyBoundToAnotherKeysPairDoesNotFollowIt) {
    SilentPrompter prompter;
    const std::pair<const char*, const char*> bs[] = {{"+aa", "say hi"},
                                                      {"\"+aa; echo b\"", "say hi; echo b"}};
    for (const auto& [b, runs] : bs)
        for (const char* a : {"say yo", "echo x", ""}) {
            Editor editor = opened(prompter, crlf({"bind a +aa", "alias +aa \"say hi\"",
                                                   "alias -aa \"slot10s\"", std::string("bind b ") + b}));
            editor.bind(*keyOfGame("a")) = a;
            EXPECT_EQ(opened(prompter, writeConfig(editor)).bind(*keyOfGame("b")), runs) << a;
        }
    // Given while A held nothing, B presses A's pair given later: the file gives B a pair of its own,
    // as the next Open and Save would.
    Editor editor = opened(prompter, "");
    editor.bind(*keyOfGame("b")) = "+aa";
    editor.bind(*keyOfGame("a")) = "say hi";
    const std::string saved = writeConfig(editor);
    EXPECT_EQ(saveOpened(saved), saved);
    EXPECT_NE(saved.find("bind b +ab\r\nalias +ab \"say hi\""), std::string::npos) << saved;
    // The same through a kept pair released by the kept lines' factor, which Open takes back where no
    // key is written as a pair.
    editor = opened(prompter, crlf({"alias +ah \"say hh\"", "alias -ah \"slot10s\""}));
    editor.slot10 = defaultSlot10;
    editor.bind(*keyOfGame("b")) = "+ah";
    EXPECT_EQ(saveOpened(writeConfig(editor)), writeConfig(editor));
    // Not where a key written as a pair makes the file's factor the editor's.
    editor = opened(prompter, crlf({"bind b +ah", "alias +ah \"say hh\"", "alias -ah \"slot10s\"",
                                    std::string("alias -aj ") + quoted(defaultSlot10)}));
    editor.bind(*keyOfGame("j")) = "say j";
    EXPECT_EQ(saveOpened(writeConfig(editor)), writeConfig(editor));
    // A key's own kept pair, released by a factor chosen after Open.
    editor = opened(prompter, crlf({"bind j \"say hi\"", "alias +ah \"say hh\"", "alias -ah \"slot10s\"",
                                    "bind h \"+ah\"", std::string("alias -aj ") + quoted(defaultSlot10)}));
    editor.slot10 = slot10Factors.front();
    EXPECT_EQ(saveOpened(writeConfig(editor)), writeConfig(editor));
}

} // namespace
} // namespace vantrel::testing
