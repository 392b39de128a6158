// Whole files: one in the editor's own format with every key bound, and a published config with
// line feeds alone, comments after binds and keys the editor does not know.
#include "ReaderTesting.h"

#include <fstream>
#include <sstream>

namespace vantrel::testing {
namespace {

std::string dataFile(const char* name) {
    std::ifstream in(std::string(VANTREL_TEST_DATA_DIR) + "/reader/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

using Binds = std::vector<std::string>;

TEST_F(ReaderTest, SavedFileGivesBackEveryKeySettingAndSlot) {
    open(dataFile("saved.cfg"));
    for (KeyIndex k : fileOrder()) {
        const KeyRow& row = keyTable[k];
        std::string expected = row.filePos % 2 ? "say_team " : "echo ";
        expected += row.suffix;
        if (row.id == "keyH")
            expected = "aCB2";
        else if (row.id == "keyJ")
            expected = "aCB2r";
        else if (row.id == "f12")
            expected = "aCB1";
        else if (row.id == "keyspace")
            expected = "+jd";
        EXPECT_EQ(editor.bind(k), expected) << row.id;
        EXPECT_EQ(editor.colours.of(row.button), Colour::Bound) << row.id;
    }
    EXPECT_EQ(editor.srconport, "rcon_port 27015");
    EXPECT_EQ(editor.srconpass, "rcon_password secret");
    EXPECT_EQ(editor.slot10s, "slot10;wait");
    EXPECT_EQ(editor.slot10, "slot10s;slot10s");
    EXPECT_EQ(editor.ssettings, (Binds{"echo kept one", "bind \"PAUSE\" \"pause\"",
                                       "alias +jd \"+jump;+duck\"", "alias -jd \"-jump;-duck\""}));
    const CircularSlot one{{"weapon_knife", "weapon_awp"}, "f12", "", "11"};
    const CircularSlot two{{"slot1", "slot2", "slot3"}, "keyH", "keyJ", "2"};
    EXPECT_EQ(editor.form6.slot(1), one);
    EXPECT_EQ(editor.form6.slot(2), two);
    for (int n = 3; n <= slotCount; ++n)
        EXPECT_FALSE(editor.form6.slot(n).inUse()) << n;
}

TEST_F(ReaderTest, PublishedConfigGivesTheBindsTheGameUses) {
    open(dataFile("published.cfg"));
    const std::pair<const char*, const char*> binds[] = {
        {"tab", "+showscores"},
        {"`", "toggleconsole"},
        {"1", "slot1"},
        {"w", "+forward"},
        {"s", "+back"},
        {"a", "+moveleft"},
        {"d", "+moveright"},
        {"space", "+jump;resetScroll"},
        {"ctrl", "+duck"},
        {"mouse1", "+attack"},
        {"mwheeldown", "+jump"},
        {"kp_ins", "vesthelm"},
        {"f1", "buy;menuselect 3"},
        {"v", "+jd"},
        {"del", "say_team sry"},
        {"f2", "jump"},
    };
    size_t bound = 0;
    for (KeyIndex k : fileOrder())
        bound += !editor.bind(k).empty();
    EXPECT_EQ(bound, std::size(binds));
    for (const auto& [game, bind] : binds)
        EXPECT_EQ(bindOf(game), bind) << game;
    EXPECT_EQ(editor.slot10, "slot10s");
    EXPECT_EQ(editor.ssettings,
              (Binds{"// Published config, line feeds only", "unbindall", "bind \"ESCAPE\" \"cancelselect\"",
                     "bind \"PAUSE\" \"pause\"", "alias +jd \"+jump;+duck\"", "alias -jd \"-jump;-duck\"",
                     "wait", "sensitivity \"2.5\"", "rate 25000"}));
}

} // namespace
} // namespace vantrel::testing
