#include "app/Selection.h"

#include "EditorFixture.h"
#include "text/Text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Selection = testing::EditorTest;

TEST_F(Selection, StartsWithNothingSelectedAndEveryKeyUnbound) {
    EXPECT_FALSE(editor.selectkey.has_value());
    EXPECT_EQ(editor.ckeybox, "none");
    EXPECT_EQ(editor.cbind, "");
    EXPECT_EQ(editor.BindOrder, "Default");
    EXPECT_EQ(editor.slot10s, "slot10;wait;wait;slot10;wait;wait;slot10;wait;wait");
    EXPECT_EQ(editor.slot10, "slot10s;slot10s;slot10s;slot10s;slot10s");
    for (std::string_view b : ButtonColours::buttons()) {
        const bool grey = std::any_of(unbindableButtons.begin(), unbindableButtons.end(),
                                      [&](const UnbindableButton& u) { return u.name == b; });
        EXPECT_EQ(colour(b), grey ? Colour::Unbindable : Colour::Unbound) << b;
    }
}

// A right-hand modifier selects the left key and paints both; function and keypad keys show their
// display names.
TEST_F(Selection, ButtonsSelectTheirKeyAndShowItsDisplayName) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"keyRSHIFT", "keyLSHIFT", "Shift"},
        {"keyRALT", "keyLALT", "Alt"},
        {"keyRCONTROL", "keyLCONTROL", "Control"},
        {"keyf5", "f5", "F5"},
        {"keypad5", "keypad5", "keypad5"}};
    for (const auto& [button, id, display] : cases) {
        keyClick(editor, button);
        EXPECT_EQ(editor.selectkey, id);
        EXPECT_EQ(editor.ckeybox, display);
        EXPECT_EQ(colour(keyTable[*keyById(id, Case::Exact)].button), Colour::Selection) << button;
        EXPECT_EQ(colour(button), Colour::Selection);
    }
    EXPECT_EQ(colour("keyRSHIFT"), Colour::Unbound) << "the previous pair is repainted";
}

TEST_F(Selection, UnbindableButtonsChangeNothing) {
    bindOf("keyA") = "jump";
    keyClick(editor, "keyA");
    editor.cbind = "typed";
    const Editor before = editor;
    for (const auto& [b, caption] : unbindableButtons) {
        keyClick(editor, b);
        EXPECT_EQ(editor.selectkey, before.selectkey);
        EXPECT_EQ(editor.ckeybox, before.ckeybox);
        EXPECT_EQ(editor.cbind, "typed");
        EXPECT_EQ(colour("keyA"), Colour::Selection);
        EXPECT_EQ(colour(b), Colour::Unbindable);
    }
}

TEST_F(Selection, ClickShowsTheStoredBindAndLosesTypedText) {
    bindOf("keyB") = "say hi;";
    keyClick(editor, "keyA");
    editor.cbind = "typed but not saved";
    keyClick(editor, "keyB");
    EXPECT_EQ(editor.cbind, "say hi;");
    keyClick(editor, "keyA");
    EXPECT_EQ(editor.cbind, "");
}

TEST_F(Selection, ColourkeysPaintsSelectionFirstThenBoundThenUnbound) {
    bindOf("keyA") = "jump";
    bindOf("keyB") = newString(" "); // a blank bind is a bind
    bindOf("keyLALT") = newString("x");
    colourkeys(editor);
    EXPECT_EQ(colour("keyA"), Colour::Bound);
    EXPECT_EQ(colour("keyB"), Colour::Bound);
    EXPECT_EQ(colour("keyLALT"), Colour::Bound);
    EXPECT_EQ(colour("keyRALT"), Colour::Bound);
    EXPECT_EQ(colour("keyC"), Colour::Unbound);

    editor.selectkey = "KEYA"; // compared ignoring case
    colourkeys(editor);
    EXPECT_EQ(colour("keyA"), Colour::Selection);

    for (const UnbindableButton& b : unbindableButtons)
        EXPECT_EQ(colour(b.name), Colour::Unbindable);
}

TEST_F(Selection, CircularBindButtonFollowsCbindAtTheTimeOfPainting) {
    for (const char* text : {"aCB3", "acb3r", "ACB", "aCB3 ;x"}) {
        editor.cbind = text;
        colourkeys(editor);
        EXPECT_EQ(colour(circularBindButton), Colour::Selection) << text;
    }
    for (const char* text : {"", " aCB3", "xaCB", "aC"}) {
        editor.cbind = text;
        colourkeys(editor);
        EXPECT_EQ(colour(circularBindButton), Colour::Unbound) << text;
    }
    bindOf("keyH") = "aCB1";
    keyClick(editor, "keyH");
    EXPECT_EQ(colour(circularBindButton), Colour::Selection);
    editor.cbind = "typed";
    EXPECT_EQ(colour(circularBindButton), Colour::Selection); // typing repaints nothing
}

} // namespace
} // namespace vantrel
