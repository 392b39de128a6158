#include "app/KeyClipboard.h"

#include "app/Selection.h"

#include "EditorFixture.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using KeyClipboard = testing::EditorTest;

TEST_F(KeyClipboard, CopyWithoutASelectedKeyKeepsTheClipboard) {
    editor.skeycopy = "kept;";
    menu_key_copy_Click(editor);
    EXPECT_EQ(editor.skeycopy, "kept;");
}

TEST_F(KeyClipboard, CopiesTheStoredBindNotTheComposedText) {
    bindOf("keyA") = "buyammo1;wait;";
    keyClick(editor, "keyA");
    editor.cbind = "typed;";
    menu_key_copy_Click(editor);
    EXPECT_EQ(editor.skeycopy, "buyammo1;wait;");
    bindOf("keyA") = "changed;";
    keyClick(editor, "keyB");
    menu_key_paste_Click(editor);
    EXPECT_EQ(bindOf("keyB"), "buyammo1;wait;");
    EXPECT_EQ(editor.cbind, "buyammo1;wait;");
    EXPECT_EQ(editor.controls.gacombo, "1") << "paste shows the pasted bind";
}

TEST_F(KeyClipboard, CopyOfAnUnboundKeyThenPasteEmptiesTheTarget) {
    editor.skeycopy = "old;";
    keyClick(editor, "keyA");
    menu_key_copy_Click(editor);
    EXPECT_EQ(editor.skeycopy, "");
    bindOf("keyB") = "buyammo1;";
    keyClick(editor, "keyB");
    menu_key_paste_Click(editor);
    EXPECT_EQ(bindOf("keyB"), "");
    EXPECT_EQ(editor.controls.gacombo, "0");
}

TEST_F(KeyClipboard, PasteWithoutASelectedKeyStoresNothingButShows) {
    editor.skeycopy = "buyammo2;";
    editor.cbind = "buyammo1;";
    const auto store = editor.store;
    menu_key_paste_Click(editor);
    EXPECT_EQ(editor.store, store);
    EXPECT_EQ(editor.controls.gacombo, "1");
    EXPECT_EQ(editor.controls.pacombo, "0");
}

TEST_F(KeyClipboard, IdentifierIsComparedExactly) {
    bindOf("keyA") = "say a;";
    editor.selectkey = "KEYA";
    menu_key_copy_Click(editor);
    EXPECT_EQ(editor.skeycopy, "");
    editor.skeycopy = "say b;";
    menu_key_paste_Click(editor);
    EXPECT_EQ(bindOf("keyA"), "say a;");
    EXPECT_EQ(editor.cbind, "say a;") << "showing still finds the key ignoring case";
}

TEST_F(KeyClipboard, PasteRepaintsNothingAndLeavesSlotsAlone) {
    bindOf("keyA") = "aCB3";
    editor.form6.slot(3).binds = {"say a;"};
    editor.form6.slot(3).k = "keyA";
    editor.form6.slot(3).o = "21";
    const CircularTable table = editor.form6;
    keyClick(editor, "keyA");
    menu_key_copy_Click(editor);
    keyClick(editor, "keyB");
    const ButtonColours colours = editor.colours;
    menu_key_paste_Click(editor);
    EXPECT_EQ(bindOf("keyB"), "aCB3");
    EXPECT_EQ(bindOf("keyA"), "aCB3");
    EXPECT_EQ(editor.form6, table);
    for (std::string_view b : ButtonColours::buttons())
        EXPECT_EQ(editor.colours.of(b), colours.of(b)) << b;
}

} // namespace
} // namespace vantrel
