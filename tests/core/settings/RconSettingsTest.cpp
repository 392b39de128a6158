#include "settings/RconSettings.h"

#include "EditorFixture.h"
#include "cfgwrite/ConfigWriter.h"

#include <cstring>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class RconEditing : public testing::EditorTest {
  protected:
    RconSettings form5{editor};

    void load(const char* port, const char* pass) {
        editor.srconport = port;
        editor.srconpass = pass;
        form5.Form_Load();
    }
};

TEST_F(RconEditing, EmptyBoxesStoreTheBarePrefixes) {
    load("", "");
    EXPECT_EQ(form5.port, "");
    EXPECT_EQ(form5.pass, "");
    form5.Command2_Click();
    EXPECT_EQ(editor.srconport, "rcon_port ");
    EXPECT_EQ(editor.srconpass, "rcon_password ");
    form5.Form_Load();
    EXPECT_EQ(form5.port, "");
    EXPECT_EQ(form5.pass, "");
}

// What is typed reaches the game as one value without the blanks at its ends: a value the console
// would cut into commands or words is written between double quotes; others are written as typed.
TEST_F(RconEditing, TypedValuesAreWrittenSoTheGameReadsThemWhole) {
    struct {
        const char* typed;
        const char* written; // the file's first line
    } const cases[] = {
        {"27015; quit", "rcon_port \"27015; quit\""},
        {"  abc", "rcon_port abc"},
        {" abc\r\n", "rcon_port abc"},
        {" my secret\t", "rcon_port \"my secret\""},
        {"say \"hi\" now", "rcon_port \"say 'hi' now\""},
        {"\"pa ss\"", "rcon_port \"pa ss\""},
        {"\"a\" ; \"b\"", "rcon_port \"'a' ; 'b'\""},
        {"a//b", "rcon_port \"a//b\""},
        {"x\"y", "rcon_port x\"y"},
        {"a\nquit\r", "rcon_port \"a quit\""}, // a pasted line break is a blank, not a new command
        {"a\x01", "rcon_port a"},
        {"a\tb\x01"
         "c",
         "rcon_port \"a b c\""},        // a tab as well: every control byte is a blank
        {"it's", "rcon_port \"it's\""}, // ' , { } ( ) : are words of their own
        {"a,b", "rcon_port \"a,b\""},
        {"{x}", "rcon_port \"{x}\""},
        {"ab:cd", "rcon_port \"ab:cd\""},
        {"(x)", "rcon_port \"(x)\""},
    };
    for (const auto& c : cases) {
        load("", "");
        form5.port = c.typed;
        form5.pass = c.typed;
        form5.Command2_Click();
        std::string pass = c.written;
        pass.replace(0, std::string_view("rcon_port").size(), "rcon_password");
        EXPECT_EQ(writeConfig(editor).substr(0, std::strlen(c.written) + pass.size() + 8),
                  std::string(c.written) + "\r\n\r\n" + pass + "\r\n\r\n")
            << c.typed;
    }
}

// A line read from a file and left alone in the window is written as read, comment and all; an
// edit changes the value the game reads and nothing else.
TEST_F(RconEditing, LinesLeftAloneKeepTheirBytes) {
    load("RCON_PORT 27015", "rcon_password secret // admin");
    EXPECT_EQ(form5.pass, "secret");
    form5.Command2_Click();
    EXPECT_EQ(editor.srconport, "RCON_PORT 27015");
    EXPECT_EQ(editor.srconpass, "rcon_password secret // admin");
    form5.Form_Load();
    form5.pass += "2";
    form5.port.clear(); // emptied, the game still sets it: with no argument it would only print it
    form5.Command2_Click();
    EXPECT_EQ(editor.srconport, "rcon_port \"\"");
    EXPECT_EQ(editor.srconpass, "rcon_password secret2");
    load("", "");
    form5.pass = "my pass";
    form5.Command2_Click();
    form5.Form_Load();
    form5.pass += "x";
    form5.Command2_Click();
    EXPECT_EQ(editor.srconpass, "rcon_password \"my passx\"");
}

// The boxes show the value the game reads: the command's second word, without its quotes; loading
// changes nothing stored.
TEST_F(RconEditing, BoxesShowTheValueTheGameReads) {
    struct {
        const char *port, *pass, *shownPort, *shownPass;
    } const cases[] = {
        {"RCON_PORT 27015", "Rcon_Password \"pa ss\"", "27015", "pa ss"},
        {"rcon_port27015", "rcon_password", "", ""},
        {"rcon", "x", "", ""}, // shorter than the command word
        {"RCON_PORT   1 ", "rcon_password\tx", "1", "x"},
        {"rcon_port 27015; quit", "rcon_password \"a b", "27015", "a b"},
        {"rcon_port 27015 // port", "rcon_password a//b c", "27015", "a//b"},
        {"rcon_port 27015//c", "rcon_password it's", "27015//c", "it"},
    };
    for (const auto& c : cases) {
        load(c.port, c.pass);
        EXPECT_EQ(form5.port, c.shownPort) << c.port;
        EXPECT_EQ(form5.pass, c.shownPass) << c.pass;
        EXPECT_EQ(editor.srconport, c.port);
        EXPECT_EQ(editor.srconpass, c.pass);
    }
}

} // namespace
} // namespace vantrel
