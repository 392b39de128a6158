#include "WriterFixture.h"

#include "cfgwrite/StoreReset.h"

#include <algorithm>

namespace vantrel {
namespace {

using StoreReset = testing::WriterTest;

TEST_F(StoreReset, EmptiesWhatAFileFillsAndLeavesTheRest) {
    for (std::string& bind : editor.store)
        bind = "echo x";
    editor.ssettings = {"exec a.cfg"};
    editor.srconport = "rcon_port 1";
    editor.srconpass = "rcon_password p";
    editor.parts.scbindp = "usp;";
    editor.parts.srconsay = "rcon say hi;";
    for (int n = 1; n <= slotCount; ++n)
        editor.form6.slot(n) = {{"a", "b"}, "keyH", "keyJ", "11"};
    editor.form6 = {"keyJ", editor.form6.slots, "keyH", "H"};
    editor.slot10 = "slot10s";
    editor.selectkey = "keyA";
    editor.cbind = "usp;";
    editor.skeycopy = "echo copied";
    editor.helpSection = HelpSection::Slot10;
    editor.fileName = "/tmp/current.cfg";
    for (KeyIndex key = 0; key < keyCount; ++key)
        editor.colours.paintKey(key, Colour::Bound);
    editor.colours.paint(circularBindButton, Colour::Selection);
    Editor expected = editor;

    resetallbinds(editor);
    expected.store.fill("");
    expected.ssettings.clear();
    expected.srconport.clear();
    expected.srconpass.clear();
    expected.parts = {};
    expected.form6 = {"keyJ", {}, "", ""}; // the window's last reverse key stays
    EXPECT_EQ(editor.store, expected.store);
    EXPECT_EQ(editor.ssettings, expected.ssettings);
    EXPECT_EQ(editor.parts, expected.parts);
    EXPECT_EQ(editor.form6, expected.form6);
    EXPECT_EQ(std::tie(editor.srconport, editor.srconpass, editor.slot10, editor.slot10s, editor.BindOrder,
                       editor.selectkey, editor.ckeybox, editor.cbind, editor.skeycopy, editor.helpSection,
                       editor.fileName),
              std::tie(expected.srconport, expected.srconpass, expected.slot10, expected.slot10s,
                       expected.BindOrder, expected.selectkey, expected.ckeybox, expected.cbind,
                       expected.skeycopy, expected.helpSection, expected.fileName));
    EXPECT_EQ(editor.controls, expected.controls);

    // The grey buttons, keyLSLASH among them, and Circular Bind keep their colour; every other
    // button, the right-hand ones of Alt, Control and Shift included, turns unbound.
    for (const UnbindableButton& grey : unbindableButtons)
        EXPECT_EQ(editor.colours.of(grey.name), Colour::Unbindable) << grey.name;
    EXPECT_EQ(editor.colours.of(circularBindButton), Colour::Selection);
    EXPECT_EQ(editor.colours.of("keyRSHIFT"), Colour::Unbound);
    EXPECT_EQ(std::count_if(ButtonColours::buttons().begin(), ButtonColours::buttons().end(),
                            [&](std::string_view b) { return editor.colours.of(b) == Colour::Unbound; }),
              102);
}

} // namespace
} // namespace vantrel
