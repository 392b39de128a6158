// The slot table and the key store kept in step when a key holding a marker gets another bind
// through Save to key, Paste, Clear Key, Save and Close or Open.
#include "circular/CircularRules.h"
#include "CircularFixture.h"
#include "RoundTrip.h"
#include "app/ClearKey.h"
#include "app/KeyClipboard.h"
#include "cfgwrite/ConfigWriter.h"
#include "cfgwrite/StoreReset.h"
#include "circular/CircularBindButton.h"
#include "circular/CircularWindowModel.h"
#include "compose/SaveToKey.h"

namespace vantrel {
namespace {

class CircularRules : public testing::CircularFixture {
  protected:
    void saveToKey(std::string_view key, std::string text) {
        select(key);
        editor.cbind = std::move(text);
        savetokey_Click(editor);
    }
    void clearKey(std::string_view key) {
        select(key);
        clearkey_Click(editor);
    }
    // Circular Bind on the key: the binds typed, two-way when a reverse key is named.
    void circular(std::string_view key, std::vector<std::string> binds, const std::string& reverseKey = "") {
        select(key);
        ASSERT_TRUE(circularbind_Click(editor));
        CircularWindowModel window{editor};
        window.Form_Load();
        for (size_t k = 0; k < binds.size(); ++k)
            window.setText(static_cast<int>(k + 1), binds[k]);
        if (!reverseKey.empty()) {
            window.setCheck1(checkTicked);
            window.setCombo2(reverseKey);
        }
        window.Command3_Click();
    }
    void volumeTemplate(std::string_view key, const std::string& reverseKey) {
        select(key);
        CircularWindowModel window{editor};
        window.Form_Load();
        window.Combo1_Click("Volume two-way");
        window.setCombo2(reverseKey);
        window.Command3_Click();
    }
    Editor opened(std::string_view bytes) { return testing::opened(prompter, bytes); }
    Editor savedAndOpened() { return opened(writeConfig(editor)); }
};

TEST_F(CircularRules, AKeyThatLeftTheCircularBindKeepsItsNewBind) {
    volumeTemplate("keyH", "J");
    saveToKey("keyJ", "slot5");
    EXPECT_EQ(slot(1).r, "") << "the slot is one-way once its reverse key holds something else";
    EXPECT_EQ(slot(1).o, "21");
    clearKey("keyH");
    EXPECT_EQ(bindOf("keyJ"), "slot5");
    EXPECT_EQ(slot(1), CircularSlot{});
    EXPECT_NE(writeConfig(editor).find("bind j \"slot5\""), std::string::npos);

    // Opened again and saved with another reverse key, or none.
    for (const std::string newReverse : {"K", ""}) {
        volumeTemplate("keyH", "J");
        saveToKey("keyJ", "slot5");
        volumeTemplate("keyH", newReverse);
        EXPECT_EQ(bindOf("keyJ"), "slot5") << newReverse;
    }

    // J meanwhile the reverse key of another slot: that slot keeps it.
    clearKey("keyH");
    clearKey("keyK");
    volumeTemplate("keyH", "J");
    circular("keyL", {"say one", "say two"}, "J");
    EXPECT_EQ(slot(1).r, "");
    EXPECT_EQ(slot(2).r, "keyJ");
    clearKey("keyH");
    EXPECT_EQ(bindOf("keyJ"), "aCB2r");
    EXPECT_EQ(slot(2).r, "keyJ");
}

TEST_F(CircularRules, ReplacedForwardMarkersFreeTheirSlots) {
    for (const char* key : {"keyA", "keyB", "keyC", "keyD", "keyE", "keyF", "keyG", "keyH", "keyI", "keyJ"}) {
        circular(key, {"echo x"});
        saveToKey(key, "jump");
    }
    for (int n = 1; n <= slotCount; ++n)
        EXPECT_EQ(slot(n), CircularSlot{}) << n;
    circular("keyK", {"echo x"});
    EXPECT_EQ(bindOf("keyK"), "aCB1");

    // A composer click on a forward key opens the blank editor: its new circular bind takes another
    // slot and the one it held is freed.
    select("keyK");
    editor.cbind = "buy ak47";
    CircularWindowModel window{editor};
    window.Form_Load();
    window.setText(1, "echo y");
    window.Command3_Click();
    EXPECT_EQ(bindOf("keyK"), "aCB2");
    EXPECT_EQ(slot(1), CircularSlot{});
    EXPECT_TRUE(slot(2).inUse());
}

TEST_F(CircularRules, ALeftoverReverseMarkerGoesWithItsSlot) {
    volumeTemplate("keyH", "J");
    saveToKey("keyH", "jump");
    EXPECT_EQ(slot(1), CircularSlot{});
    EXPECT_EQ(bindOf("keyJ"), "");
    EXPECT_EQ(colour("keyJ"), Colour::Unbound) << "the unbound key is repainted";
    const Editor opened = savedAndOpened();
    EXPECT_EQ(opened.form6.slot(1), CircularSlot{});
    EXPECT_EQ(opened.bind(*keyById("keyJ", Case::Exact)), "");
    circular("keyK", {"say a"});
    EXPECT_EQ(slot(1).r, "");
    EXPECT_EQ(bindOf("keyJ"), "");
}

TEST_F(CircularRules, APastedMarkerKeepsItsSlotAliveUntilTheLastCopyGoes) {
    circular("keyH", {"say one", "say two"});
    menu_key_copy_Click(editor);
    select("keyK");
    menu_key_paste_Click(editor);
    clearKey("keyH");
    EXPECT_EQ(slot(1), (CircularSlot{{"say one", "say two"}, "keyK", "", "21"}));
    circular("keyL", {"say three"});
    EXPECT_EQ(bindOf("keyL"), "aCB2");
    EXPECT_EQ(bindOf("keyK"), "aCB1");
    const Editor opened = savedAndOpened();
    EXPECT_EQ(opened.form6.slot(1).binds, slot(1).binds);
    EXPECT_EQ(opened.form6.slot(2).binds, slot(2).binds);
}

TEST_F(CircularRules, AReverseMarkerGivenLaterMakesAOneWaySlotWrapAfterOpenToo) {
    circular("keyH", {"say one", "say two"});
    testing::openBytes(editor, writeConfig(editor));
    saveToKey("keyJ", "aCB1r");
    EXPECT_EQ(slot(1).o, "1");
}

TEST_F(CircularRules, AMarkerInsideALongerBindKeepsItsSlotFromReuse) {
    circular("keyH", {"say one"});
    saveToKey("keyK", "aCB1; echo step");
    saveToKey("keyH", "jump");
    EXPECT_EQ(slot(1), CircularSlot{}) << "no key holds the marker itself";
    circular("keyL", {"say two"});
    EXPECT_EQ(bindOf("keyL"), "aCB2");

    // A circular bind's own binds are run too: M steps N's chain, so N's slot stays out of use.
    circular("keyN", {"echo n1", "echo n2"});
    circular("keyM", {"aCB3; echo m1", "echo m2"});
    clearKey("keyN");
    circular("keyO", {"echo o1", "echo o2"});
    EXPECT_EQ(bindOf("keyO"), "aCB5");

    // Nor a slot the new bind's own binds name, which would run itself; nor one a chain line's name
    // stands for, whose alias saving would overwrite.
    resetallbinds(editor);
    circular("keyA", {"aCB1"});
    EXPECT_EQ(bindOf("keyA"), "aCB2");
    resetallbinds(editor);
    circular("keyB", {"x"});
    circular("keyC", {"y"});
    circular("keyE", {"say one; aCB3", "say c2"});
    EXPECT_EQ(bindOf("keyE"), "aCB4");
    // Each text as the saved file holds it: `aCB1"` is written `aCB1'`, which runs aCB1.
    resetallbinds(editor);
    saveToKey("keyZ", "echo z;aCB1\"");
    circular("keyH", {"say h"});
    EXPECT_EQ(bindOf("keyH"), "aCB2");
    resetallbinds(editor);
    for (int n = 1; n < slotCount; ++n)
        makeSlot(n, {"x"}, "", "", "21");
    editor.slot10s = "slot10;aCB10\"";
    EXPECT_EQ(firstFreeSlot(editor, std::nullopt), std::nullopt);
    resetallbinds(editor);
    editor.ssettings = {"alias aCB1line1 \"say hello\""};
    saveToKey("keyH", "aCB1line1");
    circular("keyA", {"say a"});
    EXPECT_EQ(bindOf("keyA"), "aCB2");
    const std::string saved = writeConfig(editor);
    const size_t kept = saved.find("alias aCB1line1 \"say hello\"\r\n"); // the only alias of that name
    EXPECT_TRUE(kept != std::string::npos && saved.find("alias aCB1line1") == kept &&
                saved.rfind("alias aCB1line1") == kept)
        << saved;
}

TEST_F(CircularRules, MarkersOfFreeSlotsArePlainText) {
    saveToKey("keyH", "ACB1");
    saveToKey("keyJ", "aCB2r");
    EXPECT_EQ(slot(1), CircularSlot{});
    const std::string saved = writeConfig(editor);
    EXPECT_NE(saved.find("bind h \"ACB1\"\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("bind j \"aCB2r\"\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("alias"), saved.find("alias slot10s")) << saved;
    // Its markers held, slot 1 and 2 stay out of use; the opened file frees slots no key starts.
    circular("keyK", {"say"});
    EXPECT_EQ(bindOf("keyK"), "aCB3");
    const Editor file = opened("bind h \"aCB1r\"\nalias aCB1 \"aCB1line1\"\nalias aCB1line1 \"say\"\n");
    EXPECT_EQ(file.form6.slot(1), CircularSlot{});
    EXPECT_EQ(file.bind(*keyById("keyH", Case::Exact)), "aCB1r");
}

} // namespace
} // namespace vantrel
