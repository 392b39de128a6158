#include "keys/KeyTable.h"
#include "EditorFixture.h"
#include "keys/Buttons.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vantrel {
namespace {

TEST(KeyTable, StoreFieldsFollowFromIdentifiers) {
    for (const KeyRow& row : keyTable) {
        std::string expected;
        if (row.id.starts_with("key"))
            expected = "skey" + testing::upperAscii(row.id.substr(3));
        else if (row.id.starts_with("button"))
            expected = "sBUTTON" + testing::upperAscii(row.id.substr(6));
        else
            expected = "s" + std::string(row.id);
        EXPECT_EQ(row.field, expected) << row.id;
    }
}

TEST(KeyTable, AliasSuffixesFollowFromGameNames) {
    const std::set<std::string_view> worded = {",", "=", ".", "\\", "[", "-", "*", "'", "]", "/", ";", "`"};
    for (const KeyRow& row : keyTable) {
        if (!row.live())
            continue;
        if (row.game.starts_with("kp_")) {
            std::string expected(row.game);
            expected.erase(2, 1);
            EXPECT_EQ(row.suffix, expected) << row.id;
        } else if (worded.contains(row.game)) {
            EXPECT_NE(row.suffix, row.game) << row.id;
        } else {
            EXPECT_EQ(row.suffix, row.game) << row.id;
        }
    }
    EXPECT_EQ(keyTable[*keyById("keyhash", Case::Exact)].suffix, "hash");
    EXPECT_EQ(keyTable[*keyById("keyhash", Case::Exact)].game, "\\");
    EXPECT_EQ(keyTable[*keyById("keypadstar", Case::Exact)].suffix, "star");
    EXPECT_EQ(keyTable[*keyById("keypad0", Case::Exact)].suffix, "kpins");
}

TEST(KeyTable, FilePositionsFollowFromTheOrders) {
    const auto& order = fileOrder();
    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(keyTable[order[i]].filePos, static_cast<int>(i + 1));
    for (int f = 1; f <= 12; ++f)
        EXPECT_EQ(keyTable[order[static_cast<size_t>(f - 1)]].id, "f" + std::to_string(f));
    EXPECT_EQ(keyTable[order[12]].id, "button1");
    EXPECT_EQ(keyTable[order[98]].id, "keyconsole");
    // The other live keys keep declaration order after the function keys.
    for (size_t i = 13; i < order.size(); ++i)
        EXPECT_LT(order[i - 1], order[i]);
    const auto& ids = identifierOrder();
    EXPECT_EQ(keyTable[ids[0]].id, "f1");
    EXPECT_EQ(keyTable[ids[12]].id, "button1");
    EXPECT_EQ(keyTable[ids[102]].id, "keyconsole");
}

TEST(KeyTable, NamesAreDistinctIgnoringCase) {
    std::set<std::string> ids, displays, games;
    int live = 0;
    for (const KeyRow& row : keyTable) {
        EXPECT_TRUE(ids.insert(lowerAscii(row.id)).second) << row.id;
        if (!row.live())
            continue;
        ++live;
        EXPECT_TRUE(displays.insert(lowerAscii(row.display)).second) << row.display;
        EXPECT_TRUE(games.insert(lowerAscii(row.game)).second) << row.game;
    }
    EXPECT_EQ(live, 99);
}

TEST(KeyTable, LookupsCompareAsAsked) {
    EXPECT_EQ(keyById("KEYA", Case::Ignore), keyById("keyA", Case::Exact));
    EXPECT_FALSE(keyById("KEYA", Case::Exact));
    EXPECT_TRUE(keyById("keyRALT", Case::Exact)); // a dead identifier still has its row
    EXPECT_FALSE(keyByDisplay("", Case::Ignore));
    EXPECT_EQ(keyTable[*keyByDisplay("page down", Case::Ignore)].id, "keyPD");
    EXPECT_FALSE(keyByDisplay("page down", Case::Exact));
    EXPECT_EQ(keyTable[*keyByGame("KP_INS", Case::Ignore)].id, "keypad0");
    EXPECT_FALSE(keyByGame("", Case::Ignore)); // dead rows have no game name
}

TEST(KeyButtons, PairsSelectTheLeftKeyAndGreyButtonsSelectNothing) {
    EXPECT_EQ(keyTable[*keyByButton("keyRALT")].id, "keyLALT");
    EXPECT_EQ(keyTable[*keyByButton("keyRCONTROL")].id, "keyLCONTROL");
    EXPECT_EQ(keyTable[*keyByButton("keyRSHIFT")].id, "keyLSHIFT");
    EXPECT_EQ(keyTable[*keyByButton("keyf5")].id, "f5");
    for (std::string_view b : unbindableButtons)
        EXPECT_FALSE(keyByButton(b)) << b;
    EXPECT_FALSE(keyByButton("f5"));
    size_t keyButtons = 0;
    for (std::string_view b : ButtonColours::buttons())
        keyButtons += keyByButton(b).has_value();
    EXPECT_EQ(keyButtons, 102u);
}

} // namespace
} // namespace vantrel
