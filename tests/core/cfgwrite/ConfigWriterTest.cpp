#include "WriterFixture.h"

#include <algorithm>

namespace vantrel {
namespace {

using testing::crlf;
using testing::defaultHead;
using testing::golden;

class ConfigFile : public testing::WriterTest {};

TEST_F(ConfigFile, EmptyStoreIsThreeLines) {
    EXPECT_EQ(writeConfig(editor), golden("empty-store.cfg"));
}

TEST_F(ConfigFile, MixedStoreMatchesGoldenFile) {
    editor.srconport = "rcon_port 27015";
    editor.srconpass = "rcon_password secret";
    editor.slot10 = "slot10s;slot10s";
    editor.ssettings = {"echo a  ", "  echo b", "", "   "};
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
    bind("\\", "say \"gg\";");        // the hash key, and a quote inside a bind
    bind("kp_ins", "radio3;menuselect 2;");
    bind("kp_end", "echo \"hi\"; quit");
    bind("kp_5", "BUYEQUIP;menuselect 1");
    bind(";", "say_team go");
    bind("`", "toggleconsole");
    EXPECT_EQ(writeConfig(editor), golden("mixed-store.cfg"));
    EXPECT_EQ(writeConfig(editor), golden("mixed-store.cfg")) << "a second save differs";
}

TEST_F(ConfigFile, RconLinesAreWrittenAsStoredTrailingSpaceIncluded) {
    editor.srconport = "rcon_port 27015";
    EXPECT_EQ(writeConfig(editor), crlf({"rcon_port 27015", "", ""}) + defaultHead.substr(2));

    editor.srconport = "rcon_port ";
    editor.srconpass = "rcon_password ";
    EXPECT_EQ(writeConfig(editor),
              crlf({"rcon_port ", "", "rcon_password ", "", ""}) + defaultHead.substr(2));
}

TEST_F(ConfigFile, EmptySlot10TextsGiveEmptyBodies) {
    editor.slot10s.clear();
    editor.slot10.clear();
    bind("x", "say hi");
    EXPECT_EQ(writeConfig(editor), crlf({"", R"(alias slot10s "")", "", "bind x +ax", R"(alias +ax "say hi")",
                                         R"(alias -ax "")", ""}));
}

TEST_F(ConfigFile, QuotesInsideQuotedBodiesBecomeApostrophes) {
    editor.slot10s = "slot10;\"wait\"";
    editor.slot10 = "slot10s;\"x\"";
    editor.srconpass = "rcon_password \"pw\""; // not between the writer's quotes: as stored
    bind("x", "say \"a; quit\"");
    EXPECT_EQ(writeConfig(editor),
              crlf({"rcon_password \"pw\"", "", "", R"(alias slot10s "slot10;'wait'")", "", "bind x +ax",
                    R"(alias +ax "say 'a; quit'")", R"(alias -ax "slot10s;'x'")", ""}));
}

TEST_F(ConfigFile, KeptLinesAreWrittenWholeEvenWithTheOldTerminatorByte) {
    editor.ssettings = {"echo \xA4 x", "exec other.cfg"};
    EXPECT_EQ(writeConfig(editor), defaultHead + crlf({"echo \xA4 x", "exec other.cfg", ""}));
}

TEST_F(ConfigFile, BytesAreWrittenAsStored) {
    const std::string bytes = "echo \xFF\xC3(\xA4\x80 caf\xE9";
    bind("k", bytes);
    EXPECT_EQ(keyBlocks(), crlf({"bind k \"" + bytes + "\"", ""}));
}

struct PatternCase {
    const char* bind;
    bool hold;
};

TEST_F(ConfigFile, HoldAliasPatternsInAnyLetterCase) {
    const PatternCase cases[] = {
        {"buy;menuselect 1", true},
        {"BUY;MENUSELECT 1", true},
        {"x;buyequip;y", true},
        {"radio2;menuselect 4", true},
        {"radio2; menuselect 4", true},
        {"say_team hi", true},
        {"echo ESSAY", true},
        {"radio;menuselect 4", false},
        {"buy; menuselect 1", false},
        {"radio22;menuselect 4", false},
        {"+attack", false},
    };
    for (const PatternCase& c : cases)
        EXPECT_EQ(isHoldAliasBind(c.bind), c.hold) << c.bind;
}

TEST_F(ConfigFile, EveryLiveKeyOnceInFileOrderAndDeadIdentifiersNever) {
    for (KeyIndex key = 0; key < kKeyCount; ++key)
        editor.bind(key) = "echo " + std::string(keyTable[key].field);
    const std::string blocks = keyBlocks();
    size_t at = 0;
    for (KeyIndex key : fileOrder()) {
        const std::string line = "bind " +
                                 std::string(keyTable[key].game == ";" ? "\";\"" : keyTable[key].game) +
                                 " \"echo " + std::string(keyTable[key].field) + "\"\r\n\r\n";
        ASSERT_EQ(blocks.compare(at, line.size(), line), 0) << "expected " << line << "at " << at;
        at += line.size();
    }
    EXPECT_EQ(at, blocks.size());
    for (const char* dead : {"skeyLSLASH", "skeyRALT", "skeyRCONTROL", "skeyRSHIFT"})
        EXPECT_EQ(blocks.find(dead), std::string::npos) << dead;
}

TEST_F(ConfigFile, StoreLargerThanAnOpenableFileIsWrittenWhole) {
    const std::string longBind(900, 'w');
    for (KeyIndex key : fileOrder())
        editor.bind(key) = longBind;
    const std::string file = writeConfig(editor);
    EXPECT_GT(file.size(), 65000u);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 3 + 2 * static_cast<long>(kLiveKeyCount));
    EXPECT_TRUE(file.ends_with("bind ` \"" + longBind + "\"\r\n\r\n"));
}

} // namespace
} // namespace vantrel
