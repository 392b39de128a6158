#include "keys/KeyTable.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vantrel {
namespace {

TEST(KeyTable, NamesAreDistinctIgnoringCase) {
    std::set<std::string> ids, displays;
    int live = 0;
    for (const KeyRow& row : keyTable) {
        EXPECT_TRUE(ids.insert(lowerAscii(row.id)).second) << row.id;
        if (!row.live())
            continue;
        ++live;
        EXPECT_TRUE(displays.insert(lowerAscii(row.display)).second) << row.display;
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
}

} // namespace
} // namespace vantrel
