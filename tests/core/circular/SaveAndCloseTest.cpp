#include "CircularFixture.h"
#include "app/ClearKey.h"
#include "app/KeyClipboard.h"
#include "circular/CircularWindowModel.h"
#include "compose/SaveToKey.h"
#include "settings/Slot10Settings.h"

#include <tuple>

namespace vantrel {
namespace {

class SaveAndClose : public testing::CircularFixture {
  protected:
    CircularWindowModel window{editor};

    // Selects the key, opens the window on its bind and types the binds.
    void open(std::string_view button, std::vector<std::string> binds = {}) {
        select(button);
        window.Form_Load();
        for (size_t k = 0; k < binds.size(); ++k)
            window.setText(static_cast<int>(k + 1), binds[k]);
    }
    void twoWay(const std::string& reverseKey, const std::string& start, int stopAtEnds = checkClear) {
        window.setCheck1(checkTicked);
        window.setCheck2(stopAtEnds);
        window.setCombo2(reverseKey);
        window.setCombo3(start);
    }
    void save() {
        window.Command3_Click();
        EXPECT_TRUE(window.closed());
    }
};

TEST_F(SaveAndClose, TwoWayBindTiesBothKeysAndRefreshesTheMainWindow) {
    bindOf("keyconsole") = "say old";
    open("keyH", {"name MyNameOne;", " name MyNameTwo ", "", "name MyNameFour"});
    twoWay("Console Key", "3", checkTicked);
    save();
    EXPECT_EQ(slot(1), (CircularSlot{{"name MyNameOne", "name MyNameTwo"}, "keyH", "keyconsole", "11"}))
        << "start 3 of two binds: the chain starts at bind 1";
    EXPECT_EQ(editor.form6.selectkeyr, "keyconsole");
    EXPECT_EQ(bindOf("keyH"), "aCB1");
    EXPECT_EQ(bindOf("keyconsole"), "aCB1r");
    EXPECT_EQ(editor.selectkey, "keyH");
    EXPECT_EQ(editor.cbind, "aCB1");
    EXPECT_EQ(colour("keyH"), Colour::Selection);
    EXPECT_EQ(colour("keyconsole"), Colour::Bound);
    EXPECT_EQ(colour("circularbind"), Colour::Selection);
}

// A one-way slot stores the greyed state with its start; a start outside the list or beyond the binds
// becomes 1, where the saved chain starts.
TEST_F(SaveAndClose, OneWayStoresTheGreyedStateAndItsStart) {
    const std::pair<const char*, const char*> cases[] = {{"2", "22"},  {"3", "21"},  {"0", "21"},
                                                         {"10", "21"}, {" 3", "21"}, {"", "21"}};
    for (const auto& [start, options] : cases) {
        open("keyH", {"a", "b"});
        window.setCombo3(start);
        save();
        EXPECT_EQ(slot(1), (CircularSlot{{"a", "b"}, "keyH", "", options})) << start;
    }
    open("keyH", {"1", "2", "3", "4", "5", "6", "7"});
    window.setCombo3("7");
    save();
    EXPECT_EQ(slot(1).o, "27");
}

// Whatever "Stop at ends" said, as a slot read from a file: a reverse key given later makes it wrap.
TEST_F(SaveAndClose, NoUsableReverseKeyStoresOneWay) {
    open("keyH", {"a"});
    twoWay("", "2", checkTicked);
    save();
    EXPECT_EQ(slot(1), (CircularSlot{{"a"}, "keyH", "", "21"}));

    open("keyJ", {"a"});
    twoWay("J", "2", checkClear);
    save();
    EXPECT_EQ(slot(2), (CircularSlot{{"a"}, "keyJ", "", "21"}));
    EXPECT_EQ(bindOf("keyJ"), "aCB2");
}

TEST_F(SaveAndClose, OpenedSlotIsRewrittenAndNewBindsTakeTheLowestFreeSlot) {
    makeSlot(2, {"x"}, "keyA", "", "21");
    makeSlot(4, {"y"}, "keyB", "", "21");
    open("keyB", {"z"});
    save();
    EXPECT_EQ(slot(4).binds, (std::vector<std::string>{"z"}));
    EXPECT_FALSE(slot(1).inUse());
    open("keyC", {"new"});
    save();
    EXPECT_EQ(slot(1).binds, (std::vector<std::string>{"new"}));
    EXPECT_EQ(bindOf("keyC"), "aCB1");
}

// Binds that would run their own chain on every step: nothing is stored, and the window stays open
// on what was typed.
TEST_F(SaveAndClose, BindsNamingTheSlotTheyWouldBeSavedAsAreRefused) {
    const auto refused = [this](const std::string& text) {
        const Editor before = editor;
        const Form6Controls typed = window.controls();
        prompter.answerMessage(Answer::Ok);
        window.Command3_Click();
        return prompter.messages().back() == Message{text, "Circular binds"} && !window.closed() &&
               editor.form6 == before.form6 && editor.store == before.store && window.controls() == typed;
    };
    const auto runsItself = [](int bind, const std::string& names) {
        return "Bind " + std::to_string(bind) + " names " + names +
               ", a name of the chain this circular bind is saved as: a bind that runs it would run the "
               "chain "
               "again from inside itself. Remove that name first.";
    };
    makeSlot(2, {"a"}, "keyF", "keyQ", "3");
    open("keyF", {"say a", "say b; ACB2rline3"});
    window.setCombo3("9");
    EXPECT_TRUE(refused(runsItself(2, "ACB2rline3")));
    makeSlot(3, {"say c; aCB2"}, "keyG", "", "1");
    open("keyF", {"say a", "aCB3"});
    EXPECT_TRUE(refused(runsItself(2, "aCB3, which leads to aCB2")));

    // Each text as the saved file holds it, its double quotes written as '; every alias it defines.
    makeSlot(1, {"a"}, "keyH", "", "21");
    for (const char* box : {"echo x;aCB1\"", "echo 5\"x;aCB1", "echo \"a\\\";aCB1\""}) {
        open("keyH", {box});
        EXPECT_TRUE(refused(runsItself(1, "aCB1"))) << box;
    }
    editor.ssettings = {"alias foo \"echo f; aCB1\"", "alias bar \"echo b\""};
    bindOf("keyM") = "say hi; aCB1";
    editor.slot10s = "slot10; aCB1";
    for (const char* box : {"foo", "+am", "slot10s"}) {
        open("keyH", {box});
        EXPECT_TRUE(refused(runsItself(1, box + std::string(", which leads to aCB1")))) << box;
    }
    open("keyH", {"bar"});
    save();
    EXPECT_EQ(slot(1).binds, std::vector<std::string>{"bar"});
    for (const char* box : {"aCB1", "echo aCB1", "aCB1r"}) {
        open("keyH", {box});
        EXPECT_TRUE(refused(runsItself(1, box == std::string("aCB1r") ? box : "aCB1"))) << box;
    }

    // Only the names the saved file will define lead anywhere: K's pair goes as K takes the marker,
    // a one-way slot has no reverse chain and no line beyond its binds, a kept alias runs its last
    // definition, as written; an alias cycle ends.
    for (const char* key : {"keyF", "keyQ", "keyG"})
        bindOf(key).clear();
    slot(2) = slot(3) = {};
    bindOf("keyK") = "say k; aCB2";
    open("keyK", {"say k", "+ak"});
    save();
    EXPECT_EQ(bindOf("keyK"), "aCB2");
    bindOf("keyK").clear();
    makeSlot(2, {"echo two", "aCB1"}, "keyF", "", "21");
    editor.ssettings = {"alias foo \"aCB1\"", "alias foo \"echo safe\"", "alias bar aCB1\";echo",
                        "alias baz qux", "alias qux \"baz; echo\""};
    for (const char* box : {"aCB2r", "aCB2rline1", "aCB2line3", "foo", "bar", "baz"}) {
        open("keyH", {box});
        save();
        EXPECT_EQ(slot(1).binds, std::vector<std::string>{box});
    }

    for (int n : {1, 3, 4, 5, 6, 7, 8, 9})
        slot(n).binds = {"x"};
    open("keyA", {"say a", "aCB10r"});
    EXPECT_TRUE(refused("No circular bind is free: 9 of the ten are in use, and the other is named "
                        "elsewhere:\naCB10 is named in bind 2 of this window\nClear one with Clear Key, or "
                        "remove that name first."));
}

// Every other edit that changes what a name of the saved file runs asks the same rule.
TEST_F(SaveAndClose, EveryWayInRefusesWhatWouldMakeACircularBindRunItself) {
    enum class Way { SaveToKey, Paste, Slot10, ClearKey };
    // Box 2 of H's circular bind names `name`; an alias a text defines when it runs counts.
    const std::tuple<Way, const char*, const char*, bool> cases[] = {
        {Way::SaveToKey, "say hi; aCB1", "+am", true},
        {Way::Paste, "say yo; aCB1", "+am", true},
        {Way::Slot10, "slot10;aCB1", "slot10s", true},
        {Way::SaveToKey, "say hi; aCB2", "+am", false},
        {Way::Slot10, "slot10;wait", "slot10s", false},
        {Way::ClearKey, "say hi", "+am", true},
        {Way::SaveToKey, "alias foo aCB1", "foo", true},
        {Way::Slot10, "slot10;alias foo \"aCB1\"", "foo", true}};
    for (const auto& [way, text, name, refused] : cases) {
        makeSlot(1, {"say h", name}, "keyH", "", "21");
        editor.slot10s = defaultSlot10s;
        // M's pair replaces a kept line of its name, which runs again once M is cleared.
        editor.ssettings.clear();
        bindOf("keyM").clear();
        if (way == Way::ClearKey) {
            editor.ssettings = {"alias +am \"aCB1\""};
            bindOf("keyM") = text;
        }
        select("keyM");
        const Editor before = editor;
        if (refused)
            prompter.answerMessage(Answer::Ok);
        if (way == Way::SaveToKey) {
            editor.cbind = text;
            savetokey_Click(editor);
        } else if (way == Way::Paste) {
            editor.skeycopy = text;
            menu_key_paste_Click(editor);
        } else if (way == Way::ClearKey) {
            clearkey_Click(editor);
        } else {
            Slot10Settings form4{editor};
            form4.slot10box = text;
            EXPECT_NE(form4.savebutton_Click(), refused) << text;
        }
        EXPECT_EQ(editor.store == before.store && editor.slot10s == before.slot10s, refused) << text;
        if (refused) {
            EXPECT_EQ(prompter.messages().back(),
                      (Message{"This would make key H's circular bind (aCB1) run its own chain from inside "
                               "itself: its bind 2 names " +
                                   std::string(name) +
                                   ", which leads to aCB1, a name of that chain. Nothing was changed.",
                               "Circular binds"}))
                << text;
        }
    }
}

TEST_F(SaveAndClose, NewReverseKeyTakenFromAnotherSlotsReverseEnd) {
    makeSlot(2, {"a"}, "keyF", "keyQ", "3");
    makeSlot(5, {"b"}, "keyG", "keyW", "3");
    open("keyF", {"a"});
    window.setCombo2("W");
    save();
    EXPECT_EQ(slot(5), (CircularSlot{{"b"}, "keyG", "", "23"}));
    EXPECT_EQ(bindOf("keyG"), "aCB5");
    EXPECT_EQ(bindOf("keyW"), "aCB2r");
    EXPECT_EQ(bindOf("keyQ"), "");
}

TEST_F(SaveAndClose, NewReverseKeyTakenFromAnotherSlotsForwardKeyDeletesThatSlot) {
    for (const char* marker : {"aCB5", "ACB5"}) { // the deletion ignores letter case
        makeSlot(2, {"a"}, "keyF", "keyQ", "3");
        makeSlot(5, {"b"}, "keyW", "keyV", "3");
        bindOf("keyW") = marker;
        open("keyF", {"a"});
        window.setCombo2("W");
        save();
        EXPECT_EQ(slot(5), CircularSlot{}) << marker;
        EXPECT_EQ(bindOf("keyV"), "") << marker;
        EXPECT_EQ(bindOf("keyW"), "aCB2r") << marker;
        EXPECT_EQ(bindOf("keyQ"), "") << marker;
    }
}

TEST_F(SaveAndClose, TwoWayClearedReleasesEveryHolderOfTheReverseMarker) {
    makeSlot(2, {"a"}, "keyF", "keyQ", "3");
    bindOf("keyW") = "ACB2R"; // a pasted copy
    open("keyF", {"a"});
    window.setCheck1(checkClear);
    save();
    EXPECT_EQ(bindOf("keyQ"), "");
    EXPECT_EQ(bindOf("keyW"), "");
    EXPECT_EQ(slot(2).r, "");
    EXPECT_EQ(slot(2).o, "21");
}

TEST_F(SaveAndClose, SameReverseKeyKeepsItsMarker) {
    makeSlot(2, {"a"}, "keyF", "keyQ", "3");
    bindOf("keyZ") = "z";
    open("keyF", {"b"});
    save();
    EXPECT_EQ(bindOf("keyQ"), "aCB2r");
    EXPECT_EQ(bindOf("keyZ"), "z");
    EXPECT_EQ(slot(2), (CircularSlot{{"b"}, "keyF", "keyQ", "1"}));
}

TEST_F(SaveAndClose, OneWaySlotMadeTwoWayDeletesTheSlotItsNewReverseKeyStarted) {
    makeSlot(1, {"a"}, "keyF", "", "21");
    makeSlot(3, {"b"}, "keyW", "keyV", "3");
    open("keyF", {"a"});
    twoWay("W", "1");
    save();
    EXPECT_EQ(slot(3), CircularSlot{});
    EXPECT_EQ(bindOf("keyV"), "");
    EXPECT_EQ(bindOf("keyW"), "aCB1r");
    EXPECT_EQ(bindOf("keyF"), "aCB1");
    EXPECT_TRUE(slot(1).inUse());
}

TEST_F(SaveAndClose, CopyOfTheSlotsOwnMarkerOnTheNewReverseKeyDoesNotDeleteIt) {
    makeSlot(2, {"a"}, "keyF", "keyQ", "3");
    bindOf("keyW") = "aCB2"; // pasted from the forward key
    open("keyF", {"a"});
    window.setCombo2("W");
    save();
    EXPECT_TRUE(slot(2).inUse());
    EXPECT_EQ(bindOf("keyF"), "aCB2");
    EXPECT_EQ(bindOf("keyW"), "aCB2r");
    EXPECT_EQ(bindOf("keyQ"), "");
}

TEST_F(SaveAndClose, EmptyFirstBoxDeletesTheOpenedCircularBind) {
    makeSlot(2, {"a", "b"}, "keyF", "keyQ", "3");
    bindOf("keyZ") = "aCB2"; // a pasted copy of the marker goes too
    open("keyF");
    window.Command2_Click();
    window.setText(2, "ignored after an empty first box");
    save();
    EXPECT_EQ(slot(2), CircularSlot{});
    EXPECT_EQ(bindOf("keyF"), "");
    EXPECT_EQ(bindOf("keyQ"), "");
    EXPECT_EQ(bindOf("keyZ"), "");
    EXPECT_EQ(editor.cbind, "");
    EXPECT_EQ(colour("keyF"), Colour::Selection);
    EXPECT_EQ(colour("keyQ"), Colour::Unbound);
}

TEST_F(SaveAndClose, EmptyFirstBoxInTheBlankEditorStoresNothing) {
    bindOf("keyH") = "jump";
    open("keyH");
    window.setCheck1(checkTicked);
    window.setCombo2("J");
    const CircularTable before = editor.form6;
    save();
    EXPECT_EQ(editor.form6.slots, before.slots);
    EXPECT_EQ(bindOf("keyH"), "jump");
    EXPECT_EQ(bindOf("keyJ"), "");
}

} // namespace
} // namespace vantrel
