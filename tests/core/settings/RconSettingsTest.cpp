#include "settings/RconSettings.h"

#include "EditorFixture.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class RconWindow : public testing::EditorTest {
  protected:
    RconSettings form5{editor};

    void load(const char* port, const char* pass) {
        editor.srconport = port;
        editor.srconpass = pass;
        form5.Form_Load();
    }
};

TEST_F(RconWindow, EmptyBoxesStoreTheBarePrefixes) {
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

TEST_F(RconWindow, StoresTheBoxesExactlyAsTyped) {
    load("", "");
    form5.port = "  abc";
    form5.pass = "my secret  ";
    form5.Command2_Click();
    EXPECT_EQ(editor.srconport, "rcon_port   abc");
    EXPECT_EQ(editor.srconpass, "rcon_password my secret  ");
    // Leading spaces are not shown again, trailing ones are.
    form5.Form_Load();
    EXPECT_EQ(form5.port, "abc");
    EXPECT_EQ(form5.pass, "my secret  ");
}

TEST_F(RconWindow, DecodesLinesFromAFileByTheCommandWordsLength) {
    load("RCON_PORT 27015", "Rcon_Password \"pa ss\"");
    EXPECT_EQ(form5.port, "27015");
    EXPECT_EQ(form5.pass, "\"pa ss\"");
    form5.Command2_Click();
    EXPECT_EQ(editor.srconport, "rcon_port 27015");
    EXPECT_EQ(editor.srconpass, "rcon_password \"pa ss\"");

    load("rcon_port27015", "rcon_password");
    EXPECT_EQ(form5.port, "27015");
    EXPECT_EQ(form5.pass, "");
    load("rcon", "x");
    EXPECT_EQ(form5.port, "") << "a text shorter than the command word decodes to nothing";
    EXPECT_EQ(form5.pass, "");
}

TEST_F(RconWindow, LoadChangesNothingStored) {
    load("RCON_PORT   1 ", "rcon_password\tx");
    EXPECT_EQ(form5.port, "1 ");
    EXPECT_EQ(form5.pass, "\tx") << "only spaces are dropped after the command word";
    EXPECT_EQ(editor.srconport, "RCON_PORT   1 ");
    EXPECT_EQ(editor.srconpass, "rcon_password\tx");
}

} // namespace
} // namespace vantrel
