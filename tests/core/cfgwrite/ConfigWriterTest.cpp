#include "WriterFixture.h"
#include "app/HoldAliasBind.h"

#include <algorithm>
#include <sstream>

namespace vantrel {
namespace {

using testing::golden;

class ConfigFile : public testing::WriterTest {};

TEST_F(ConfigFile, EmptyStoreIsThreeLines) {
    EXPECT_EQ(writeConfig(editor), golden("empty-store.cfg"));
}

TEST_F(ConfigFile, MixedStoreMatchesGoldenFileOnEverySave) {
    editor.srconport = "rcon_port 27015";
    editor.srconpass = "rcon_password secret";
    editor.slot10 = "slot10s;\"x\"";
    editor.ssettings = {"echo a  ", "echo b", "", "   ", "echo \xA4 x"};
    bind("f1", "buy;menuselect 3;menuselect 1;");
    bind("mouse1", "+attack");
    bind("a", "acbuy"); // looks like a marker, is none
    bind("b", "aCB3 "); // a marker followed by a space is none either
    bind("c", "aCB5");  // its slot has no options number
    slot(5, {"x"}, "", "");
    bind("d", "aCB1 say hi"); // the hold alias rule comes first
    bind("e", "acb2");        // written with the slot names' letter case
    slot(2, {"slot1"}, "", "21");
    bind("g", "radio;menuselect 1;"); // radio directly before ;menuselect: no pair
    bind("\\", "say \"gg\";");
    bind("kp_ins", "radio3;menuselect 2;");
    bind("kp_end", "echo \"hi\"; quit");
    bind("kp_5", "BUYEQUIP;menuselect 1");
    bind(";", "say_team go");
    bind("x", "echo \xFF\xC3( caf\xE9");
    bind("`", "toggleconsole");
    EXPECT_EQ(writeConfig(editor), golden("mixed-store.cfg"));
    EXPECT_EQ(writeConfig(editor), golden("mixed-store.cfg")) << "a second save differs";
}

TEST_F(ConfigFile, SettingsSavedWithEmptyBoxesAreStillWritten) {
    editor.srconport = "rcon_port ";
    editor.srconpass = "rcon_password ";
    editor.slot10s.clear();
    editor.slot10.clear();
    bind("x", "say hi");
    EXPECT_EQ(writeConfig(editor), golden("empty-settings.cfg"));
}

TEST_F(ConfigFile, LineBreaksInsideATextStayOnItsLine) {
    // A pasted line break would end the command there and run the rest when the file is executed.
    editor.srconpass = "rcon_password a\nquit";
    bind("y", "echo a\r\nquit");
    const std::string file = writeConfig(editor);
    EXPECT_TRUE(file.starts_with("rcon_password a quit\r\n")) << file;
    EXPECT_TRUE(file.ends_with("bind y \"echo a  quit\"\r\n\r\n")) << file;
}

TEST_F(ConfigFile, HoldAliasPatternsInAnyLetterCase) {
    for (const char* bind : {"buy;menuselect 1", "BUY;MENUSELECT 1", "x;buyequip;y", "radio2;menuselect 4",
                             "radio2; menuselect 4", "say_team hi", "echo ESSAY", "say +1",
                             "\"+voicerecord\"; say_team x"}) // written '+voicerecord': no press
        EXPECT_TRUE(isHoldAliasBind(bind)) << bind;
    // A bind that presses something is written plain, so the key releases it.
    for (const char* bind : {"radio;menuselect 4", "buy; menuselect 1", "radio22;menuselect 4", "+attack",
                             "+attack; say hi", "say hi;\t+duck", "+jump;buyequip", "say \"hi;+duck\""})
        EXPECT_FALSE(isHoldAliasBind(bind)) << bind;
}

TEST_F(ConfigFile, EveryLiveKeyOnceInFileOrderNamedByItsAliasSuffixAndDeadIdentifiersNever) {
    // The game key names and alias suffixes in file order, one space between two.
    const std::string fileOrderNames =
        R"(f1 f2 f3 f4 f5 f6 f7 f8 f9 f10 f11 f12 mouse1 mouse2 mouse3 mouse4 mouse5)"
        R"( mwheeldown mwheelup 1 2 3 4 5 6 7 8 9 0 a b backspace c , d del downarrow)"
        R"( e end = f . g h \ home i ins j k l alt ctrl leftarrow [ enter shift m - n o)"
        R"( p kp_ins kp_end kp_downarrow kp_pgdn kp_leftarrow kp_5 kp_rightarrow)"
        R"( kp_home kp_uparrow kp_pgup kp_del kp_enter kp_minus kp_plus kp_slash *)"
        R"( pgdn pgup q ' r rightarrow ] / s ; space t u uparrow v w x y z tab `)";
    const std::string fileOrderSuffixes =
        R"(f1 f2 f3 f4 f5 f6 f7 f8 f9 f10 f11 f12 mouse1 mouse2 mouse3 mouse4 mouse5)"
        R"( mwheeldown mwheelup 1 2 3 4 5 6 7 8 9 0 a b backspace c comma d del downarrow)"
        R"( e end equals f fullstop g h hash home i ins j k l alt ctrl leftarrow leftbracket)"
        R"( enter shift m minus n o p kpins kpend kpdownarrow kppgdn kpleftarrow kp5)"
        R"( kprightarrow kphome kpuparrow kppgup kpdel kpenter kpminus kpplus kpslash star)"
        R"( pgdn pgup q quote r rightarrow rightbracket rslash s semicolon space t u uparrow)"
        R"( v w x y z tab console)";
    for (KeyIndex key = 0; key < keyCount; ++key)
        editor.bind(key) = "buyequip;menuselect 1;";
    std::string expected;
    std::istringstream names(fileOrderNames), suffixes(fileOrderSuffixes);
    for (std::string game, suffix; names >> game && suffixes >> suffix;)
        expected += "bind " + std::string(game == ";" ? "\";\"" : game) + " +a" + suffix + "\r\nalias +a" +
                    suffix + " \"buyequip;menuselect 1;\"\r\nalias -a" + suffix +
                    " \"slot10s;slot10s;slot10s;slot10s;slot10s\"\r\n\r\n";
    EXPECT_TRUE(names.eof() && suffixes.eof()) << "as many names as suffixes";
    EXPECT_EQ(keyBlocks(), expected);
}

TEST_F(ConfigFile, StoreLargerThanAnOpenableFileIsWrittenWhole) {
    const std::string longBind(900, 'w');
    for (KeyIndex key : fileOrder())
        editor.bind(key) = longBind;
    const std::string file = writeConfig(editor);
    EXPECT_GT(file.size(), 65000u);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 3 + 2 * static_cast<long>(liveKeyCount));
    EXPECT_TRUE(file.ends_with("bind ` \"" + longBind + "\"\r\n\r\n"));
}

} // namespace
} // namespace vantrel
