#include "compose/SaveToKey.h"

#include "app/KeyClipboard.h"
#include "app/Selection.h"
#include "compose/Composer.h"

#include "EditorFixture.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using SaveToKey = testing::EditorTest;

std::string repeat(std::string_view unit, size_t n) {
    std::string out;
    while (n-- > 0)
        out += unit;
    return out;
}

const Message longBindQuestion{
    "The current bind is too long and so might not work properly. Do you want to see the help file?", "Error",
    Buttons::YesNo, Answer::No, Icon::None};

TEST_F(SaveToKey, StoresAt231SilentlyAndAfterEitherAnswerFrom232) {
    keyClick(editor, "keyA");
    editor.cbind = repeat("x", 231);
    savetokey_Click(editor);
    EXPECT_EQ(bindOf("keyA"), editor.cbind);
    EXPECT_TRUE(prompter.calls().empty());

    editor.cbind = repeat("x", 232);
    prompter.answerMessage(Answer::No);
    savetokey_Click(editor);
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0], longBindQuestion);
    EXPECT_EQ(prompter.helpCount(), 0);
    EXPECT_EQ(editor.helpSection, HelpSection::None);
    EXPECT_EQ(bindOf("keyA"), editor.cbind);
}

TEST_F(SaveToKey, YesShowsHelpAtItsSectionBeforeStoring) {
    keyClick(editor, "keyA");
    editor.cbind = repeat("x", 300);
    prompter.answerMessage(Answer::Yes);
    prompter.onHelp = [&] {
        EXPECT_EQ(editor.helpSection, HelpSection::BindTooLong);
        EXPECT_EQ(bindOf("keyA"), "") << "stored only after the help window closes";
    };
    savetokey_Click(editor);
    EXPECT_EQ(prompter.helpCount(), 1);
    EXPECT_EQ(bindOf("keyA"), repeat("x", 300));
}

TEST_F(SaveToKey, LengthCountsCharactersNotBytes) {
    keyClick(editor, "keyA");
    editor.cbind = repeat("\xC3\xA9", 231); // 231 characters, 462 bytes
    savetokey_Click(editor);
    EXPECT_TRUE(prompter.messages().empty());
    editor.cbind = repeat("\xE2\x82\xAC", 232);
    prompter.answerMessage(Answer::No);
    savetokey_Click(editor);
    EXPECT_EQ(prompter.messages().size(), 1u);
}

TEST(CharacterCount, CountsCodePointsAndEachStrayByteAsOne) {
    EXPECT_EQ(characterCount(""), 0u);
    EXPECT_EQ(characterCount("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), 4u);
    EXPECT_EQ(characterCount("\xFF\xFE"), 2u);
    EXPECT_EQ(characterCount("\xE2\x82"), 2u);     // cut-off sequence
    EXPECT_EQ(characterCount("\xED\xA0\x80"), 3u); // encoded surrogate
    EXPECT_EQ(characterCount("\xC0\xAF"), 2u);     // overlong form
    EXPECT_EQ(characterCount("\xE2\x82"
                             "a"),
              3u); // a sequence broken by a letter
}

TEST_F(SaveToKey, WithoutASelectedKeyWarnsButChangesNothing) {
    selectPistol(editor, Pistol::Usp);
    editor.cbind += repeat(" ", 250);
    prompter.answerMessage(Answer::No);
    const auto store = editor.store;
    const auto controls = editor.controls;
    const auto parts = editor.parts;
    savetokey_Click(editor);
    EXPECT_EQ(editor.store, store);
    EXPECT_EQ(editor.controls, controls);
    EXPECT_EQ(editor.parts, parts);
    EXPECT_EQ(prompter.messages().size(), 1u);
    for (std::string_view b : ButtonColours::buttons())
        EXPECT_NE(colour(b), Colour::Selection) << b;
}

TEST_F(SaveToKey, NonEmptyBindLeavesTheComposerAndOtherKeysAlone) {
    bindOf("keyB") = "wait;";
    keyClick(editor, "keyA");
    selectGun(editor, Gun::Awm);
    saybox_Change(editor, "hi");
    const auto controls = editor.controls;
    const auto parts = editor.parts;
    const std::string cbind = editor.cbind;
    editor.colours.paint("keyA", Colour::Bound);
    savetokey_Click(editor);
    EXPECT_EQ(bindOf("keyA"), cbind);
    EXPECT_EQ(editor.cbind, cbind);
    EXPECT_EQ(editor.controls, controls);
    EXPECT_EQ(editor.parts, parts);
    EXPECT_EQ(colour("keyA"), Colour::Selection);
    EXPECT_EQ(colour("keyB"), Colour::Bound);
}

TEST_F(SaveToKey, EmptyBindClearsTheKeyAndResetsTheComposer) {
    bindOf("keyA") = "buyequip;menuselect 4;say hi;";
    keyClick(editor, "keyA");
    ASSERT_TRUE(editor.controls.hegren);
    editor.cbind = "";
    savetokey_Click(editor);
    EXPECT_EQ(bindOf("keyA"), "");
    EXPECT_EQ(colour("keyA"), Colour::Selection);
    EXPECT_EQ(editor.cbind, "");
    EXPECT_EQ(editor.parts, BindParts{});
    EXPECT_FALSE(editor.controls.hegren);
    EXPECT_EQ(editor.controls.saybox, "");
}

TEST_F(SaveToKey, EmptyBindWithoutASelectedKeyOnlyResets) {
    selectArmour(editor, Armour::Kevlar);
    editor.cbind = "";
    const auto store = editor.store;
    savetokey_Click(editor);
    EXPECT_EQ(editor.store, store);
    EXPECT_EQ(editor.controls.armour, Armour::None);
    EXPECT_EQ(editor.cbind, "");
}

TEST_F(SaveToKey, BlankTextIsABind) {
    keyClick(editor, "keyA");
    selectPistol(editor, Pistol::Usp);
    editor.cbind = " ";
    savetokey_Click(editor);
    EXPECT_EQ(bindOf("keyA"), " ");
    EXPECT_EQ(editor.controls.pistol, Pistol::Usp);
    EXPECT_EQ(editor.cbind, " ");
}

TEST_F(SaveToKey, RightHandModifierWritesTheLeftKeyAndPaintsBoth) {
    keyClick(editor, "keyRALT");
    editor.colours.paint("keyLALT", Colour::Unbound);
    editor.colours.paint("keyRALT", Colour::Unbound);
    editor.cbind = "echo alt;";
    savetokey_Click(editor);
    EXPECT_EQ(bindOf("keyLALT"), "echo alt;");
    EXPECT_EQ(colour("keyLALT"), Colour::Selection);
    EXPECT_EQ(colour("keyRALT"), Colour::Selection);
}

TEST_F(SaveToKey, SelectedKeyIsComparedExactly) {
    editor.selectkey = "KEYA";
    editor.cbind = "wait;";
    savetokey_Click(editor);
    EXPECT_EQ(bindOf("keyA"), "");
}

TEST_F(SaveToKey, MarkerTextIsStoredLikeAnyOther) {
    editor.form6.slot(3) = {{"say a;"}, "keyB", "", "21"};
    bindOf("keyB") = "aCB3";
    const CircularTable table = editor.form6;
    keyClick(editor, "keyA");
    editor.cbind = "aCB3";
    savetokey_Click(editor);
    EXPECT_EQ(bindOf("keyA"), "aCB3");
    EXPECT_EQ(editor.form6, table);
}

// A text pressing another key's pair stores what the saved file would run for it, so the key keeps
// it when that key changes; Paste stores the same.
TEST_F(SaveToKey, AnotherKeysPairIsStoredAsItsText) {
    struct Case {
        const char *a, *typed, *stored;
    };
    const Case cases[] = {{"say hello", "+aa", "say hello"},
                          {"say hello", "+aa  x; echo b", "say hello; echo b"},
                          {"say hello", "+AA;;  say \"b", "say hello; say \"b"},
                          {"jump", "+aa", "+aa"},
                          {"+aa", "+aa", "+aa"},
                          {"say hello", "+aa; +duck", "+aa; +duck"},
                          {"say hello", "echo; +aa", "echo; +aa"}};
    for (const Case& c : cases) {
        bindOf("keyA") = c.a;
        keyClick(editor, "keyB");
        editor.cbind = c.typed;
        savetokey_Click(editor);
        EXPECT_EQ(bindOf("keyB"), c.stored) << c.typed;
        EXPECT_EQ(editor.cbind, c.stored) << c.typed;
        editor.skeycopy = c.typed;
        keyClick(editor, "keyC");
        menu_key_paste_Click(editor);
        EXPECT_EQ(bindOf("keyC"), c.stored) << c.typed;
    }
    keyClick(editor, "keyA");
    editor.cbind = "+aa; echo a";
    savetokey_Click(editor);
    EXPECT_EQ(bindOf("keyA"), "say hello; echo a") << "a key's own pair is read as another key's";
    // The length warning looks at the text stored.
    bindOf("keyA") = "say " + repeat("x", 225);
    keyClick(editor, "keyF");
    editor.cbind = "+aa; echo fff";
    prompter.answerMessage(Answer::No);
    savetokey_Click(editor);
    EXPECT_EQ(prompter.messages().back(), longBindQuestion);
    EXPECT_EQ(characterCount(bindOf("keyF")), 239u);
}

} // namespace
} // namespace vantrel
