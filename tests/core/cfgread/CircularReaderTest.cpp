// Rebuilding the circular-bind slots from a file's alias chains, and naming keys by game key name.
#include "cfgread/CircularReader.h"

#include "ReaderTesting.h"

#include <vector>

namespace vantrel::testing {
namespace {

using Binds = std::vector<std::string>;

class ReaderCircular : public ReaderTest {
  protected:
    const CircularSlot& slot(int n) const { return editor.form6.slot(n); }
};

// Slot 2 with the binds slot1, slot2 and slot3 on the forward key h and the reverse key j.
std::string twoWaySlot2(const char* start, const char* forwardLinks[3], const char* reverseStart) {
    return crlf({"bind h \"aCB2\"", start, forwardLinks[0], forwardLinks[1], forwardLinks[2], "", "",
                 "bind j \"aCB2r\"", reverseStart,
                 "alias aCB2rline1 \"slot3; alias aCB2r aCB2rline2; alias aCB2 aCB2line1\"",
                 "alias aCB2rline2 \"slot2; alias aCB2r aCB2rline3; alias aCB2 aCB2line3\"",
                 "alias aCB2rline3 \"slot1; alias aCB2r aCB2rline1; alias aCB2 aCB2line2\"", "", ""});
}

TEST_F(ReaderCircular, TwoWaySlotThatWrapsComesBackWithItsStartAndReverseKey) {
    const char* links[3] = {"alias aCB2line1 \"slot1; alias aCB2 aCB2line2; alias aCB2r aCB2rline1\"",
                            "alias aCB2line2 \"slot2; alias aCB2 aCB2line3; alias aCB2r aCB2rline3\"",
                            "alias aCB2line3 \"slot3; alias aCB2 aCB2line1; alias aCB2r aCB2rline2\""};
    open(twoWaySlot2("alias aCB2 \"aCB2line2\"", links, "alias aCB2r \"aCB2rline2\""));
    EXPECT_EQ(slot(2).binds, (Binds{"slot1", "slot2", "slot3"}));
    EXPECT_EQ(slot(2).o, "2");
    EXPECT_EQ(slot(2).r, "keyJ");
    EXPECT_EQ(slot(2).k, "keyH");
    EXPECT_EQ(bindOf("h"), "aCB2");
    EXPECT_EQ(bindOf("j"), "aCB2r");
    EXPECT_TRUE(editor.ssettings.empty());
    for (int n : {1, 3, 4, 5, 6, 7, 8, 9, 10})
        EXPECT_EQ(slot(n), CircularSlot{}) << n;
}

TEST_F(ReaderCircular, TwoWaySlotThatStopsAtItsEndsGetsTheAddend) {
    const char* links[3] = {"alias aCB2line1 \"slot1; alias aCB2 aCB2line2; alias aCB2r aCB2rline3\"",
                            "alias aCB2line2 \"slot2; alias aCB2 aCB2line3; alias aCB2r aCB2rline3\"",
                            "alias aCB2line3 \"slot3; alias aCB2 aCB2line3; alias aCB2r aCB2rline2\""};
    open(twoWaySlot2("alias aCB2 \"aCB2line2\"", links, "alias aCB2r \"aCB2rline2\""));
    EXPECT_EQ(slot(2).o, "12");
    EXPECT_EQ(slot(2).r, "keyJ");
}

TEST_F(ReaderCircular, OneWaySlotsReadTheirNextLinkAsTheLastLink) {
    open(crlf({"bind f1 \"aCB1\"", "alias aCB1 \"aCB1line2\"", "alias aCB1line1 \"a; alias aCB1 aCB1line2\"",
               "alias aCB1line2 \"b; alias aCB1 aCB1line3\"", "alias aCB1line3 \"c; alias aCB1 aCB1line1\"",
               "", "", "bind f2 \"aCB3\"", "alias aCB3 \"aCB3line1\"",
               "alias aCB3line1 \"only; alias aCB3 aCB3line1\""}));
    EXPECT_EQ(slot(1).binds, (Binds{"a", "b", "c"}));
    EXPECT_EQ(slot(1).o, "12");
    EXPECT_EQ(slot(1).r, "");
    EXPECT_EQ(slot(1).k, "f1");
    EXPECT_EQ(slot(3).binds, Binds{"only"});
    EXPECT_EQ(slot(3).o, "1");
    EXPECT_EQ(slot(3).k, "f2");
}

TEST_F(ReaderCircular, SlotTenIsNeverTakenForSlotOne) {
    open(crlf({"bind x \"aCB10\"", "alias aCB10 \"aCB10line3\"",
               "alias aCB10line1 \"p; alias aCB10 aCB10line2; alias aCB10r aCB10rline1\"",
               "alias aCB10line2 \"q; alias aCB10 aCB10line1; alias aCB10r aCB10rline2\"",
               "bind y \"aCB10r\""}));
    EXPECT_EQ(slot(10).binds, (Binds{"p", "q"}));
    EXPECT_EQ(slot(10).o, "3");
    EXPECT_EQ(slot(10).r, "keyY");
    EXPECT_EQ(slot(10).k, "keyX");
    EXPECT_EQ(slot(1), CircularSlot{});
}

TEST_F(ReaderCircular, ChainLinesComeBackInLineNumberOrder) {
    open(crlf({"bind f4 \"aCB4\"", "alias aCB4line4 \"d; alias aCB4 aCB4line1\"", "alias aCB4 \"aCB4line2\"",
               "alias aCB4line1 \"a; alias aCB4 aCB4line2\"", "  ALIAS ACB4LINE2 \"b; alias aCB4 aCB4line4\"",
               "alias aCB4line2 \"b2; alias aCB4 aCB4line4\""}));
    EXPECT_EQ(slot(4).binds, (Binds{"a", "b", "b2", "d"}));
    EXPECT_EQ(slot(4).o, "12");
    EXPECT_EQ(slot(4).k, "f4");
}

TEST_F(ReaderCircular, BindTextsAreCutAtTheNextLinkWithinTheirQuotes) {
    open(crlf({"bind f5 aCB5", "alias aCB5 \"aCB5line1\"", "alias aCB5line1 \"; alias aCB5 aCB5line2\"",
               "alias aCB5line2 \"say \"hi\"; alias aCB5 aCB5line3\"",
               "alias aCB5line3 \"  xyz alias aCB5y  ; alias aCB5 aCB5line1\"",
               "alias aCB5line4 \"no link\" // c", "alias aCB5line5 \"x\xA4y; alias aCB5 aCB5line1\"",
               "alias aCB5line6 unquoted // c"}));
    EXPECT_EQ(slot(5).binds, (Binds{"", "say", "xy", "no link", "x\xA4y", "unquoted"}));
}

// The link follows "; ": the same words at the very start of a bind are the bind's own. Taken
// for the link they would keep the rest of the line, which would then grow at every save.
TEST_F(ReaderCircular, BindBeginningWithTheLinkWordsComesBackWhole) {
    open(crlf({"bind f4 aCB4", "alias aCB4 \"aCB4line1\"",
               "alias aCB4line1 \"alias aCB4line1e1; alias aCB4 aCB4line2\"",
               "alias aCB4line2 \"xalias aCB4; alias aCB4 aCB4line1\""}));
    EXPECT_EQ(slot(4).binds, (Binds{"alias aCB4line1e1", "xalias aCB4"}));
}

TEST_F(ReaderCircular, StartLineWithoutADigitGivesZero) {
    open(crlf({"bind f6 aCB6", "alias aCB6 \"aCB6linex\"", "alias aCB6line1 \"a; alias aCB6 aCB6line1\""}));
    EXPECT_EQ(slot(6).o, "0");
}

// A slot is two-way exactly when a key of the table holds its reverse marker; a bind line of a
// key outside the table is a kept line, and so is the reverse chain nobody runs.
TEST_F(ReaderCircular, ReverseKeyIsAKeyHoldingTheReverseMarker) {
    const std::string slot3 = crlf({"bind f2 aCB3", "alias aCB3 \"aCB3line1\"",
                                    "alias aCB3line1 \"a; alias aCB3 aCB3line1; alias aCB3r aCB3rline1\"",
                                    "alias aCB3r \"aCB3rline1\"",
                                    "alias aCB3rline1 \"a; alias aCB3r aCB3rline1; alias aCB3 aCB3line1\""});
    open(slot3 + crlf({"bind \"h\" \"acb3R\""}));
    EXPECT_EQ(slot(3).r, "keyH");
    EXPECT_EQ(editor.form6.lookedup, "H");
    EXPECT_TRUE(editor.ssettings.empty());
    open(slot3 + crlf({"bind JOY1 \"aCB3r\""}));
    EXPECT_EQ(slot(3).r, "");
    EXPECT_EQ(slot(3).binds, Binds{"a"});
    EXPECT_EQ(editor.ssettings, (std::vector<std::string>{
                                    "alias aCB3r \"aCB3rline1\"",
                                    "alias aCB3rline1 \"a; alias aCB3r aCB3rline1; alias aCB3 aCB3line1\"",
                                    "bind JOY1 \"aCB3r\""}));
}

TEST_F(ReaderCircular, MarkerWithoutAChainLeavesTheSlotFree) {
    editor.form6.selectkeyr = "keyZ";
    editor.form6.slot(7).binds = {"old"};
    open(crlf({"bind h \"aCB1\""}));
    EXPECT_EQ(bindOf("h"), "aCB1");
    for (int n = 1; n <= slotCount; ++n)
        EXPECT_EQ(slot(n), CircularSlot{}) << n;
    EXPECT_EQ(editor.form6.selectkeyr, "keyZ");
}

TEST_F(ReaderCircular, ForwardKeyIsTheFirstInIdentifierOrderHoldingTheMarker) {
    open(crlf({"bind a \"aCB8\"", "bind f12 \"acb8\"", "alias aCB8 \"aCB8line1\"",
               "alias aCB8line1 \"a; alias aCB8 aCB8line1\""}));
    EXPECT_EQ(slot(8).k, "f12");
}

TEST(LookupGameKey, NamesTheKeyIgnoringCaseAndKeepsTheLastNameOtherwise) {
    ScriptedPrompter prompter;
    Editor editor{prompter};
    struct {
        const char* name;
        const char* display;
    } const cases[] = {{"mouse4", "Mouse 4"},
                       {"MOUSE4", "Mouse 4"},
                       {"KP_INS", "keypad0"},
                       {"kp_5", "keypad5"},
                       {"5", "5"},
                       {"*", "keypadStar"},
                       {"'", "Quote"},
                       {"ctrl", "Control"},
                       {"mwheeldown", "MWheel D"},
                       {"\\", "Hash"},
                       {"`", "Console Key"},
                       {"f1", "F1"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(lookupgamekey(editor, c.name)) << c.name;
        EXPECT_EQ(editor.form6.lookedup, c.display) << c.name;
    }
    for (const char* unknown : {"", "mouse", " f1", "\"f1\"", "f1 ", "joy1"}) {
        EXPECT_FALSE(lookupgamekey(editor, unknown)) << unknown;
        EXPECT_EQ(editor.form6.lookedup, "F1") << unknown;
    }
}

} // namespace
} // namespace vantrel::testing
