#include "app/Selection.h"

#include "EditorFixture.h"

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
        const bool grey =
            std::find(unbindableButtons.begin(), unbindableButtons.end(), b) != unbindableButtons.end();
        EXPECT_EQ(colour(b), grey ? Colour::Unbindable : Colour::Unbound) << b;
    }
}

TEST_F(Selection, RightHandButtonsSelectTheLeftKeyAndPaintBoth) {
    keyClick(editor, "keyRSHIFT");
    EXPECT_EQ(editor.selectkey, "keyLSHIFT");
    EXPECT_EQ(editor.ckeybox, "Shift");
    EXPECT_EQ(colour("keyLSHIFT"), Colour::Selection);
    EXPECT_EQ(colour("keyRSHIFT"), Colour::Selection);
    keyClick(editor, "keyRALT");
    EXPECT_EQ(editor.selectkey, "keyLALT");
    EXPECT_EQ(editor.ckeybox, "Alt");
    EXPECT_EQ(colour("keyRSHIFT"), Colour::Unbound);
    keyClick(editor, "keyRCONTROL");
    EXPECT_EQ(editor.selectkey, "keyLCONTROL");
    EXPECT_EQ(editor.ckeybox, "Control");
}

TEST_F(Selection, FunctionAndKeypadKeysShowTheirDisplayNames) {
    keyClick(editor, "keyf5");
    EXPECT_EQ(editor.selectkey, "f5");
    EXPECT_EQ(editor.ckeybox, "F5");
    keyClick(editor, "keypad5");
    EXPECT_EQ(editor.selectkey, "keypad5");
    EXPECT_EQ(editor.ckeybox, "keypad5");
}

TEST_F(Selection, UnbindableButtonsChangeNothing) {
    bindOf("keyA") = "jump";
    keyClick(editor, "keyA");
    editor.cbind = "typed";
    const Editor before = editor;
    for (std::string_view b : unbindableButtons) {
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
    bindOf("keyB") = " "; // a blank bind is a bind
    bindOf("keyLALT") = "x";
    colourkeys(editor);
    EXPECT_EQ(colour("keyA"), Colour::Bound);
    EXPECT_EQ(colour("keyB"), Colour::Bound);
    EXPECT_EQ(colour("keyLALT"), Colour::Bound);
    EXPECT_EQ(colour("keyRALT"), Colour::Bound);
    EXPECT_EQ(colour("keyC"), Colour::Unbound);

    editor.selectkey = "KEYA"; // compared ignoring case
    colourkeys(editor);
    EXPECT_EQ(colour("keyA"), Colour::Selection);

    for (std::string_view b : unbindableButtons)
        EXPECT_EQ(colour(b), Colour::Unbindable);
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
