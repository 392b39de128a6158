#include "app/ClearKey.h"
#include "CircularFixture.h"

namespace vantrel {
namespace {

using ClearKey = testing::CircularFixture;

TEST_F(ClearKey, LastForwardMarkerFreesTheSlotAndUnbindsItsReverseKey) {
    makeSlot(3, {"a", "b"}, "keyP", "keyR", "13");
    bindOf("keyQ") = "aCB3r"; // a pasted copy of the reverse marker
    select("keyP");
    clearkey_Click(editor);
    EXPECT_EQ(slot(3), CircularSlot{});
    EXPECT_EQ(bindOf("keyP"), "");
    EXPECT_EQ(bindOf("keyR"), "");
    EXPECT_EQ(bindOf("keyQ"), "");
    EXPECT_EQ(editor.selectkey, "keyP");
    EXPECT_EQ(editor.cbind, "");
    // colourkeys ran while cbind still held the marker.
    EXPECT_EQ(colour("circularbind"), Colour::Selection);
    EXPECT_EQ(colour("keyP"), Colour::Selection);
    EXPECT_EQ(colour("keyR"), Colour::Unbound);
}

TEST_F(ClearKey, PastedCopiesKeepTheSlotAndItsReverseDirection) {
    makeSlot(3, {"a", "b"}, "keyP", "keyR", "13");
    bindOf("keyA") = "acb3"; // held in any letter case
    bindOf("keyS") = "aCB3r";
    select("keyP");
    clearkey_Click(editor);
    EXPECT_EQ(slot(3), (CircularSlot{{"a", "b"}, "keyA", "keyR", "13"}));
    select("keyR");
    clearkey_Click(editor);
    EXPECT_EQ(slot(3), (CircularSlot{{"a", "b"}, "keyA", "keyS", "13"}));
    select("keyS");
    clearkey_Click(editor);
    // One-way from now on, wrapping from the same start.
    EXPECT_EQ(slot(3), (CircularSlot{{"a", "b"}, "keyA", "", "23"}));
    EXPECT_EQ(bindOf("keyA"), "acb3");
}

TEST_F(ClearKey, TextTypedIntoCbindFreesNothing) {
    makeSlot(3, {"a"}, "keyP", "keyR", "3");
    const CircularTable before = editor.form6;
    for (const std::optional<std::string>& selected :
         {std::optional<std::string>("keyQ"), std::optional<std::string>()}) {
        bindOf("keyQ") = "x";
        editor.selectkey = selected;
        editor.cbind = "aCB3";
        clearkey_Click(editor);
        EXPECT_EQ(editor.form6, before);
        EXPECT_EQ(bindOf("keyP"), "aCB3");
        EXPECT_EQ(bindOf("keyR"), "aCB3r");
        EXPECT_EQ(bindOf("keyQ"), selected ? "" : "x");
        EXPECT_EQ(editor.cbind, "");
    }
}

TEST_F(ClearKey, ClearKeyBindIgnoresCaseAndPaintsOnlyMouseKeys) {
    bindOf("keyA") = "x";
    editor.selectkey = "KEYA";
    clearkeybind(editor);
    EXPECT_EQ(bindOf("keyA"), "");
    EXPECT_EQ(colour("keyA"), Colour::Unbound);
    bindOf("button2") = "x";
    editor.selectkey = "button2";
    clearkeybind(editor);
    EXPECT_EQ(bindOf("button2"), "");
    EXPECT_EQ(colour("button2"), Colour::Selection);
    bindOf("button1") = "x";
    for (std::optional<std::string> none : {std::optional<std::string>(), std::optional<std::string>(""),
                                            std::optional<std::string>("Mouse 1")}) {
        editor.selectkey = none;
        clearkeybind(editor);
        EXPECT_EQ(bindOf("button1"), "x");
    }
}

} // namespace
} // namespace vantrel
