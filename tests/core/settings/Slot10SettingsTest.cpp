#include "settings/Slot10Settings.h"

#include "EditorFixture.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

class Slot10Editing : public testing::EditorTest {
  protected:
    Slot10Settings form4{editor};
};

TEST_F(Slot10Editing, LoadsTheStoredStringAndFactor) {
    editor.slot10s = "  slot10;wait";
    form4.Form_Load();
    EXPECT_EQ(form4.waitno, "5");
    EXPECT_EQ(form4.slot10box, "  slot10;wait");
}

TEST_F(Slot10Editing, FactorTextOutsideTheTableLeavesTheInitialText) {
    for (const char* odd : {"slot10s;slot10s;", "SLOT10S", "",
                            "slot10s;slot10s;slot10s;slot10s;slot10s;slot10s;"
                            "slot10s;slot10s"}) {
        editor.slot10 = odd;
        Slot10Settings window{editor};
        window.Form_Load();
        EXPECT_EQ(window.waitno, "waitno") << odd;
        window.slot10box = newString("x");
        EXPECT_TRUE(window.savebutton_Click());
        EXPECT_EQ(editor.slot10, odd) << "an unread factor must not change slot10";
        EXPECT_EQ(editor.slot10s, "x") << "the string is stored all the same";
    }
}

// Only the values one to seven select a factor; 0 below selects none.
TEST(FactorText, SelectsOnlyTheValuesOneToSeven) {
    const std::pair<const char*, int> cases[] = {
        {"1", 1},       {"7", 7}, {"07", 7}, {" 7 ", 7}, {"7.0", 7}, {"5.", 5},
        {"005.000", 5}, {"8", 0}, {"0", 0},  {"2.5", 0}, {"70", 0},  {"", 0},
        {"waitno", 0},  {".", 0}, {"3a", 0}, {"-3", 0},  {"1 2", 0}, {"99999999999999999999", 0}};
    for (const auto& [text, factor] : cases)
        EXPECT_EQ(slot10Factor(text), factor == 0 ? std::nullopt : std::optional<int>(factor))
            << '"' << text << '"';
}

// The release alias body each factor writes into the file, written out in full.
TEST_F(Slot10Editing, EveryFactorSavesItsTextAndShowsAtTheNextOpening) {
    const char* const slot10Texts[] = {
        "slot10s",
        "slot10s;slot10s",
        "slot10s;slot10s;slot10s",
        "slot10s;slot10s;slot10s;slot10s",
        "slot10s;slot10s;slot10s;slot10s;slot10s",
        "slot10s;slot10s;slot10s;slot10s;slot10s;slot10s",
        "slot10s;slot10s;slot10s;slot10s;slot10s;slot10s;slot10s",
    };
    for (int factor = 1; factor <= 7; ++factor) {
        Slot10Settings window{editor};
        window.Form_Load();
        window.waitno = std::to_string(factor);
        EXPECT_TRUE(window.savebutton_Click());
        EXPECT_EQ(editor.slot10, slot10Texts[factor - 1]);
        Slot10Settings next{editor};
        next.Form_Load();
        EXPECT_EQ(next.waitno, std::to_string(factor));
    }
}

TEST(StoredSlot10s, DropsOneTrailingSemicolonThenTrailingSpaces) {
    EXPECT_EQ(storedSlot10s("slot10;wait;"), "slot10;wait");
    EXPECT_EQ(storedSlot10s("slot10;wait; "), "slot10;wait;");
    EXPECT_EQ(storedSlot10s("slot10;wait;;"), "slot10;wait;");
    EXPECT_EQ(storedSlot10s("slot10  ;"), "slot10");
    EXPECT_EQ(storedSlot10s(";"), "");
    EXPECT_EQ(storedSlot10s(""), "");
    EXPECT_EQ(storedSlot10s("  slot10   "), "  slot10");
    EXPECT_EQ(storedSlot10s("slot10\t"), "slot10\t") << "only spaces are trimmed";
}

TEST_F(Slot10Editing, ResetPutsTheDefaultsIntoTheBoxesOnly) {
    editor.slot10 = "slot10s";
    editor.slot10s = "wait";
    form4.Form_Load();
    form4.defaultbutton_Click();
    EXPECT_EQ(form4.waitno, "5");
    EXPECT_EQ(form4.slot10box, defaultSlot10s);
    EXPECT_EQ(editor.slot10, "slot10s");
    EXPECT_EQ(editor.slot10s, "wait");
    EXPECT_TRUE(form4.savebutton_Click());
    EXPECT_EQ(editor.slot10, "slot10s;slot10s;slot10s;slot10s;slot10s");
    EXPECT_EQ(editor.slot10s, "slot10;wait;wait;slot10;wait;wait;slot10;wait;wait");
}

} // namespace
} // namespace vantrel
