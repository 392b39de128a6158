#include "app/ClearKey.h"
#include "CircularFixture.h"
#include "circular/ClearCircularBind.h"

namespace vantrel {
namespace {

using ClearKey = testing::CircularFixture;
using ClearCircularBind = testing::CircularFixture;

TEST_F(ClearKey, ForwardMarkerFreesTheSlotAndUnbindsItsReverseKey) {
    makeSlot(3, {"a", "b"}, "keyP", "keyR", "13");
    select("keyP");
    ASSERT_EQ(editor.cbind, "aCB3");
    clearkey_Click(editor);
    EXPECT_FALSE(slot(3).inUse());
    EXPECT_EQ(slot(3).r, "");
    EXPECT_EQ(slot(3).k, "keyP");
    EXPECT_EQ(slot(3).o, "13");
    EXPECT_EQ(bindOf("keyP"), "");
    EXPECT_EQ(bindOf("keyR"), "");
    EXPECT_EQ(editor.selectkey, "keyP");
    EXPECT_EQ(editor.cbind, "");
    // colourkeys ran while cbind still held the marker.
    EXPECT_EQ(colour("circularbind"), Colour::Selection);
    EXPECT_EQ(colour("keyP"), Colour::Selection);
}

TEST_F(ClearKey, ReverseMarkerOnlyMakesTheSlotOneWay) {
    makeSlot(3, {"a", "b"}, "keyP", "keyR", "13");
    select("keyR");
    clearkey_Click(editor);
    EXPECT_EQ(slot(3), (CircularSlot{{"a", "b"}, "keyP", "", "13"}));
    EXPECT_EQ(bindOf("keyP"), "aCB3");
    EXPECT_EQ(bindOf("keyR"), "");
}

TEST_F(ClearKey, OneWayForwardMarkerTouchesNoOtherKey) {
    makeSlot(2, {"a"}, "keyP", "", "21");
    bindOf("keyQ") = "jump";
    select("keyP");
    clearkey_Click(editor);
    EXPECT_FALSE(slot(2).inUse());
    EXPECT_EQ(bindOf("keyQ"), "jump");
}

TEST_F(ClearKey, MarkerInOtherCaseOrWithABlankIsNoMarker) {
    makeSlot(3, {"a"}, "keyP", "keyR", "3");
    for (const char* text : {"acb3", "aCB3 ", "aCB3;"}) {
        select("keyQ");
        bindOf("keyQ") = "x";
        editor.cbind = text;
        const CircularTable before = editor.form6;
        clearkey_Click(editor);
        EXPECT_EQ(editor.form6, before) << text;
        EXPECT_EQ(bindOf("keyQ"), "") << text;
        EXPECT_EQ(bindOf("keyR"), "aCB3r") << text;
    }
}

TEST_F(ClearKey, MarkerTypedByHandFreesItsSlotButLeavesItsForwardKey) {
    // Typed while another key is selected, or before any key is.
    for (const std::optional<std::string>& selected :
         {std::optional<std::string>("keyQ"), std::optional<std::string>()}) {
        makeSlot(3, {"a"}, "keyP", "keyR", "3");
        bindOf("keyQ") = "x";
        editor.selectkey = selected;
        editor.cbind = "aCB3";
        clearkey_Click(editor);
        EXPECT_EQ(editor.selectkey, selected);
        EXPECT_FALSE(slot(3).inUse());
        EXPECT_EQ(bindOf("keyR"), "");
        EXPECT_EQ(bindOf("keyP"), "aCB3");
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

TEST_F(ClearCircularBind, DeletesTheSlotInAnyCaseAndRestoresSelectKey) {
    for (const char* marker : {"aCB3", "ACB3"}) {
        makeSlot(3, {"a"}, "keyF", "keyR", "13");
        bindOf("keyP") = "x";
        editor.selectkey = "keyP";
        clearcircularbind(editor, marker);
        EXPECT_EQ(slot(3), (CircularSlot{{}, "keyF", "", "13"})) << marker;
        EXPECT_EQ(bindOf("keyR"), "") << marker;
        EXPECT_EQ(bindOf("keyP"), "") << marker;
        EXPECT_EQ(bindOf("keyF"), "aCB3") << marker;
        EXPECT_EQ(editor.selectkey, "keyP");
    }
}

TEST_F(ClearCircularBind, AnythingButAForwardMarkerOnlyClearsTheSelectedKey) {
    makeSlot(3, {"a"}, "keyF", "keyR", "13");
    for (const char* other : {"aCB3r", "", "say hi", "aCB11", "aCB3 "}) {
        bindOf("keyP") = "x";
        editor.selectkey = "keyP";
        const CircularTable before = editor.form6;
        clearcircularbind(editor, other);
        EXPECT_EQ(editor.form6, before) << other;
        EXPECT_EQ(bindOf("keyP"), "") << other;
        EXPECT_EQ(bindOf("keyR"), "aCB3r") << other;
    }
}

TEST_F(ClearCircularBind, FreeSlotStillReleasesTheReverseKeyItNames) {
    slot(4) = {{}, "keyF", "keyR", "3"};
    bindOf("keyR") = "kept until now";
    editor.selectkey = "nothing";
    clearcircularbind(editor, "aCB4");
    EXPECT_EQ(bindOf("keyR"), "");
    EXPECT_EQ(slot(4).r, "");
}

} // namespace
} // namespace vantrel
