// A whole published config: line feeds alone, comments after binds, binds out of the editor's
// order and keys the editor does not know.
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
