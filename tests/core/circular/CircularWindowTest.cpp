#include "CircularFixture.h"
#include "circular/CircularBindButton.h"
#include "circular/CircularWindowModel.h"

namespace vantrel {
namespace {

using namespace std::string_literals;

class CircularBindEditing : public testing::CircularFixture {
  protected:
    CircularWindowModel window{editor};
    const Form6Controls& c() const { return window.controls(); }

    void openOn(const std::string& cbind) {
        editor.cbind = cbind;
        window.Form_Load();
    }
};

TEST_F(CircularBindEditing, OpensTheViewOfTheSlotInUseThatTheMarkerNamesInAnyCase) {
    makeSlot(3, {"a"}, "keyP", "keyR", "13");
    for (const char* forward : {"aCB3", "ACB3"}) {
        openOn(forward);
        EXPECT_EQ(window.view(), CircularView::Forward) << forward;
    }
    // A marker of a free slot is plain text.
    for (const char* other : {"aCB4", "aCB4r", "aCB3 ", "aCB11", "", "jump"}) {
        openOn(other);
        EXPECT_EQ(window.view(), CircularView::Blank) << other;
        EXPECT_EQ(editor.form6.lookup, "") << other;
    }
    for (const char* reverse : {"aCB3r", "acb3R"}) {
        openOn(reverse);
        EXPECT_EQ(window.view(), CircularView::Reverse) << reverse;
    }
}

TEST_F(CircularBindEditing, BlankEditorStartsEmptyAndOneWay) {
    openOn("say hi");
    Form6Controls expected;
    expected.Check1 = checkClear;
    expected.Check2 = checkGreyed;
    expected.Combo3 = "1";
    expected.combo2Enabled = false;
    expected.combo3Enabled = false;
    EXPECT_EQ(c(), expected);
}

TEST_F(CircularBindEditing, ForwardViewOfATwoWaySlot) {
    makeSlot(2, {"a", "", "b"}, "keyP", "keyconsole", "12");
    openOn("aCB2");
    EXPECT_EQ(c().Text, (BindBoxes{"a", "b"}));
    EXPECT_EQ(c().Check1, checkTicked);
    EXPECT_EQ(c().Check2, checkTicked);
    EXPECT_EQ(c().Combo2, "Console Key");
    EXPECT_EQ(c().Combo3, "2");
    EXPECT_TRUE(c().combo2Enabled);
    EXPECT_TRUE(c().combo3Enabled);
    EXPECT_TRUE(c().saveVisible);
    EXPECT_EQ(editor.form6.lookup, "keyconsole");
}

// The start shown is where the saved chain starts: bind 1 for a start beyond the binds.
TEST_F(CircularBindEditing, ForwardViewDecodesTheOptions) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"13", checkTicked, "3"}, {"3", checkClear, "3"},   {"20", checkTicked, "1"}, {"", checkGreyed, "1"},
        {"0", checkGreyed, "1"},  {"25", checkGreyed, "1"}, {"6", checkClear, "1"}};
    for (const auto& [options, check2, start] : cases) {
        makeSlot(2, {"a", "b", "c"}, "keyP", "keyR", options);
        openOn("aCB2");
        EXPECT_EQ(c().Check2, check2) << options;
        EXPECT_EQ(c().Combo3, start) << options;
    }
}

TEST_F(CircularBindEditing, OneWaySlotShowsNoReverseKeyWhateverTheLastLookupLeft) {
    makeSlot(1, {"a"}, "keyA", "keyB", "3");
    openOn("aCB1");
    ASSERT_EQ(editor.form6.lookedup, "B");
    for (const char* options : {"23", "13"}) {
        makeSlot(2, {"x", "y", "z"}, "keyP", "", options);
        openOn("aCB2");
        EXPECT_EQ(c().Check1, checkClear) << options;
        EXPECT_EQ(c().Check2, checkGreyed) << options;
        EXPECT_EQ(c().Combo3, "3") << options;
        EXPECT_EQ(c().Combo2, "") << options;
        EXPECT_FALSE(c().combo2Enabled);
        EXPECT_FALSE(c().combo3Enabled);
    }
}

TEST_F(CircularBindEditing, ReverseViewOfASlotReadFromAFileNamesNoForwardKey) {
    makeSlot(1, {"a", "b"}, "", "keyJ", "3"); // the reader leaves the forward key unknown
    editor.form6.lookedup = "J";              // and its last reverse key in lookedup
    openOn("aCB1r");
    EXPECT_EQ(c().Combo2, "");
}

TEST_F(CircularBindEditing, ReverseViewIsMirroredAndLocked) {
    makeSlot(3, {"a", "b", "c"}, "keyP", "keyR", "11");
    openOn("aCB3r");
    EXPECT_EQ(c().Text, (BindBoxes{"c", "b", "a"}));
    EXPECT_EQ(c().Combo2, "P");
    EXPECT_EQ(editor.form6.lookup, "keyP");
    EXPECT_EQ(c().Combo3, "3"); // bind 1, where the forward direction starts
    EXPECT_EQ(c().Check1, checkGreyed);
    EXPECT_EQ(c().Check2, checkGreyed);
    EXPECT_FALSE(c().saveVisible);
    EXPECT_FALSE(c().clearAllEnabled);
    EXPECT_FALSE(c().textEnabled);
    EXPECT_FALSE(c().combo1Enabled);
    EXPECT_FALSE(c().combo2Enabled);
    EXPECT_FALSE(c().combo3Enabled);
    EXPECT_TRUE(c().reverselabelVisible);
}

TEST_F(CircularBindEditing, TemplatesFillTheBoxesButNotTheKeyOrStart) {
    makeSlot(2, {"a", "b", "c", "d"}, "keyP", "keyR", "14");
    openOn("aCB2");
    window.Combo1_Click("Nameswap one-way");
    EXPECT_EQ(c().Text, (BindBoxes{"name MyNameOne", "name MyNameTwo", "name MyNameThree", "name MyNameFour",
                                   "name MyNameFive", "name MyNameSix", "name MyNameSeven"}));
    EXPECT_EQ(c().Check1, checkClear);
    EXPECT_EQ(c().Check2, checkGreyed);
    EXPECT_FALSE(c().combo2Enabled);
    window.Combo1_Click("Volume two-way");
    EXPECT_EQ(c().Text, (BindBoxes{"volume 0.0;developer 1; echo VOLUME 0.0;developer 0",
                                   "volume 0.2;developer 1; echo VOLUME 0.2;developer 0;",
                                   "volume 0.4;developer 1; echo VOLUME 0.4;developer 0;",
                                   "volume 0.6;developer 1; echo VOLUME 0.6;developer 0;",
                                   "volume 0.8;developer 1; echo VOLUME 0.8;developer 0;",
                                   "volume 0.9;developer 1; echo VOLUME 0.9;developer 0;",
                                   "volume 1.0;developer 1; echo VOLUME 1.0;developer 0;"}));
    EXPECT_EQ(c().Check1, checkTicked);
    EXPECT_EQ(c().Check2, checkTicked);
    EXPECT_TRUE(c().combo2Enabled);
    EXPECT_TRUE(c().combo3Enabled);
    EXPECT_EQ(c().Combo2, "R");
    EXPECT_EQ(c().Combo3, "4");
}

TEST_F(CircularBindEditing, ClearAllEmptiesTheBoxesButKeepsTheDropDownTexts) {
    makeSlot(2, {"a", "b", "c", "d"}, "keyP", "keyR", "4");
    openOn("aCB2");
    window.Command2_Click();
    EXPECT_EQ(c().Text, BindBoxes{});
    EXPECT_EQ(c().Check1, checkClear);
    EXPECT_EQ(c().Check2, checkGreyed);
    EXPECT_FALSE(c().combo2Enabled);
    EXPECT_FALSE(c().combo3Enabled);
    EXPECT_EQ(c().Combo2, "R");
    EXPECT_EQ(c().Combo3, "4");
    EXPECT_FALSE(window.closed());
}

TEST_F(CircularBindEditing, StartCheckAcceptsNumbersFromZeroToSeven) {
    openOn("");
    for (const char* ok : {"0", "7", " 3", "3 ", "6.5", "-0"}) {
        window.setCombo3(ok);
        EXPECT_TRUE(window.Combo3_Validate()) << ok;
    }
    for (const char* bad : {"", "8", "-1", "7.5", "three", "3x", "+-1", "nan"}) {
        prompter.answerMessage(Answer::Ok);
        window.setCombo3(bad);
        EXPECT_FALSE(window.Combo3_Validate()) << bad;
        EXPECT_EQ(prompter.messages().back(),
                  (Message{"Please choose a number between 0 and 7 for this field.", "Start at bind"}));
    }
}

TEST_F(CircularBindEditing, ReverseKeyCheckWantsAListedNameExactly) {
    openOn("");
    window.setCombo2("Mouse 1");
    EXPECT_TRUE(window.Combo2_Validate());
    for (const char* bad : {"", "mouse 1", "Mouse 1 ", "button1"}) {
        prompter.answerMessage(Answer::Ok);
        window.setCombo2(bad);
        EXPECT_FALSE(window.Combo2_Validate()) << bad;
        EXPECT_EQ(prompter.messages().back(), (Message{"Invalid key. Choose from list.", "Reverse key"}));
    }
}

class CircularBindButton : public testing::CircularFixture {};

TEST_F(CircularBindButton, RefusesWithoutASelectedKey) {
    prompter.answerMessage(Answer::Ok);
    EXPECT_FALSE(circularbind_Click(editor));
    EXPECT_EQ(prompter.messages().back(),
              (Message{"Select a key first, then press Circular Bind.", "Circular binds"}));
}

TEST_F(CircularBindButton, RefusesTheBlankEditorWhenNoSlotIsFree) {
    for (int n = 1; n <= slotCount; ++n)
        slot(n).binds = {"x"};
    select("keyA");
    const auto refused = [this] {
        prompter.answerMessage(Answer::Ok);
        return !circularbind_Click(editor) &&
               prompter.messages().back() ==
                   Message{"All ten circular binds are in use. Clear one with Clear Key first.",
                           "Circular binds"};
    };
    EXPECT_TRUE(refused());
    // A slot's own keys still open it.
    makeSlot(4, {"x"}, "keyP", "keyR", "3");
    select("keyP");
    EXPECT_TRUE(circularbind_Click(editor));
    select("keyR");
    EXPECT_TRUE(circularbind_Click(editor));

    // Without binds, slot 4 is free only when no text the saved file holds names a marker or chain
    // line of it, and the refusal says where its name is used.
    slot(4).binds.clear();
    const auto refusedFor = [this](const std::string& where) {
        prompter.answerMessage(Answer::Ok);
        return !circularbind_Click(editor) &&
               prompter.messages().back() ==
                   Message{"No circular bind is free: 9 of the ten are in use, and the other is named "
                           "elsewhere:\naCB4 is named in " +
                               where + "\nClear one with Clear Key, or remove that name first.",
                           "Circular binds"};
    };
    select("keyB");
    EXPECT_TRUE(refusedFor("key P's bind"));
    bindOf("keyR") = "";
    select("keyP");
    EXPECT_TRUE(circularbind_Click(editor)) << "the selected key's own bind does not count";
    select("keyB");
    for (const std::string& bind : {"aCB4; echo step"s,
                                    "echo x;\x0b"
                                    "aCB4"s,
                                    "x aCB4\0y"s, "say \"gg; aCB4\""s, "say; aCB4rline7"s}) {
        bindOf("keyP") = bind;
        EXPECT_TRUE(refusedFor("key P's bind")) << bind;
    }
    bindOf("keyP") = "";
    for (const char* kept : {"bind \"pause\" \"acb4\"", "alias x \"say; aCB4r\"", "alias x \"aCB4,\"",
                             "// x; aCB4", "alias aCB4line1 \"say\""}) {
        editor.ssettings = {kept};
        EXPECT_TRUE(refusedFor("a kept line of the opened file")) << kept;
    }
    editor.ssettings = {"alias aCB4line8 \"say\"", "echo aCB44", "// aCB4 was my old volume bind",
                        "x\0aCB4"s};
    editor.slot10s = "slot10;aCB4";
    EXPECT_TRUE(refusedFor("the Slot10 string"));
    editor.slot10s = "slot10";
    slot(5).binds.push_back("aCB4");
    slot(5).k = "keyZ";
    EXPECT_TRUE(refusedFor("a bind of key Z's circular bind"));
    slot(5).binds.pop_back();
    EXPECT_TRUE(circularbind_Click(editor));

    // Ten names in use and none in use: nothing for Clear Key to clear.
    std::string expected =
        "No circular bind is free: 0 of the ten are in use, and the others are named elsewhere:\n";
    for (int n = 1; n <= slotCount; ++n) {
        slot(n) = CircularSlot{};
        editor.ssettings.push_back("alias reset" + std::to_string(n) + " \"alias aCB" + std::to_string(n) +
                                   " x\"");
        expected += "aCB" + std::to_string(n) + " is named in a kept line of the opened file\n";
    }
    prompter.answerMessage(Answer::Ok);
    EXPECT_FALSE(circularbind_Click(editor));
    EXPECT_EQ(prompter.messages().back().text, expected + "Remove one of those names first.");
}

} // namespace
} // namespace vantrel
