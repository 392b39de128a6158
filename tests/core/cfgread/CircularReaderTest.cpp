// Rebuilding the circular-bind slots from a file's alias chains.
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

// Each file gives one slot back whole; every other slot stays free.
struct SlotCase {
    const char* what;
    std::string file;
    int n;
    CircularSlot slot;
};

const SlotCase slotCases[] = {
    {"slot ten is never taken for slot one",
     crlf({"bind x \"aCB10\"", "alias aCB10 \"aCB10line3\"",
           "alias aCB10line1 \"p; alias aCB10 aCB10line2; alias aCB10r aCB10rline1\"",
           "alias aCB10line2 \"q; alias aCB10 aCB10line1; alias aCB10r aCB10rline2\"", "bind y \"aCB10r\""}),
     10,
     {{"p", "q"}, "keyX", "keyY", "3"}},
    {"chain lines come back in line number order, a repeated number after the first",
     crlf({"bind f4 \"aCB4\"", "alias aCB4line4 \"d; alias aCB4 aCB4line1\"", "alias aCB4 \"aCB4line2\"",
           "alias aCB4line1 \"a; alias aCB4 aCB4line2\"", "  ALIAS ACB4LINE2 \"b; alias aCB4 aCB4line4\"",
           "alias aCB4line2 \"b2; alias aCB4 aCB4line4\""}),
     4,
     {{"a", "b", "b2", "d"}, "f4", "", "22"}},
    {"bind texts are cut at the next link within their quotes",
     crlf({"bind f5 aCB5", "alias aCB5 \"aCB5line1\"", "alias aCB5line1 \"; alias aCB5 aCB5line2\"",
           "alias aCB5line2 \"say \"hi\"; alias aCB5 aCB5line3\"",
           "alias aCB5line3 \"  xyz alias aCB5y  ; alias aCB5 aCB5line1\"",
           "alias aCB5line4 \"no link\" // c", "alias aCB5line5 \"x\xA4y; alias aCB5 aCB5line1\"",
           "alias aCB5line6 unquoted // c"}),
     5,
     {{"", "say  hi'", "xyz alias aCB5y", "no link", "x\xA4y", "unquoted"}, "f5", "", "21"}},
    // The link follows "; ": the same words at the very start of a bind are the bind's own. Taken
    // for the link they would keep the rest of the line, which would then grow at every save.
    {"a bind beginning with the link words comes back whole",
     crlf({"bind f4 aCB4", "alias aCB4 \"aCB4line1\"",
           "alias aCB4line1 \"alias aCB4line1e1; alias aCB4 aCB4line2\"",
           "alias aCB4line2 \"xalias aCB4; alias aCB4 aCB4line1\""}),
     4,
     {{"alias aCB4line1e1", "xalias aCB4"}, "f4", "", "21"}},
    // The links are the slot's own trailing "alias" commands, read as the game splits the body.
    {"binds holding another slot's link or the link words keep them, blanks before a quote are blanks",
     crlf({"bind h aCB1", "alias aCB1 \"aCB1line1\"",
           "alias aCB1line1 \"echo hi;alias aCB10 aCB10line1; alias aCB1 aCB1line2\"",
           "alias aCB1line2 \"say alias aCB1 rocks;alias aCB1 aCB1line3\"",
           "alias aCB1line3 \x0c\"echo three; alias aCB1 aCB1line1\""}),
     1,
     {{"echo hi;alias aCB10 aCB10line1", "say alias aCB1 rocks", "echo three"}, "keyH", "", "21"}},
    {"a one-way slot's back link before its forward link is its bind's own",
     crlf({"bind f4 aCB4", "alias aCB4 \"aCB4line1\"",
           "alias aCB4line1 \"x; alias aCB4r y; alias aCB4 aCB4line1\""}),
     4,
     {{"x; alias aCB4r y"}, "f4", "", "21"}},
    {"the first start command naming a line of the chain starts there",
     crlf({"bind h aCB2", "alias aCB2 \"wait; \t;\x0b aCB2line2\"",
           "alias aCB2line1 \"a; alias aCB2 aCB2line2\"", "alias aCB2line2 \"b; alias aCB2 aCB2line1\""}),
     2,
     {{"a", "b"}, "keyH", "", "22"}},
    {"the last start line is the one the game keeps",
     crlf({"bind h aCB2", "alias aCB2 \"aCB2line1\"", "alias aCB2line1 \"a; alias aCB2 aCB2line2\"",
           "alias aCB2line2 \"b; alias aCB2 aCB2line1\"", "alias aCB2 \"aCB2line2\""}),
     2,
     {{"a", "b"}, "keyH", "", "22"}},
    // The end mode is what the forward key does at the last line; line 1's last link decides only
    // when that names neither line 1 nor the last line.
    {"a last line linking to line 1 goes round, whatever line 1 ends with",
     crlf({"bind h aCB3", "bind y aCB3r", "alias aCB3 \"aCB3line1\"",
           "alias aCB3line1 \"s1; alias aCB3r aCB3rline 1;\x0b alias aCB3 aCB3line2\"",
           "alias aCB3line2 \"s2; alias aCB3 aCB3line1; alias aCB3r aCB3rline2\""}),
     3,
     {{"s1", "s2"}, "keyH", "keyY", "1"}},
    {"a last line linking to itself stops at the ends",
     crlf({"bind h aCB3", "bind y aCB3r", "alias aCB3 \"aCB3line2\"",
           "alias aCB3line1 \"s1; alias aCB3 aCB3line2; alias aCB3r aCB3rline01\"",
           "alias aCB3line2 \"s2; alias aCB3 aCB3line2; alias aCB3r aCB3rline2\""}),
     3,
     {{"s1", "s2"}, "keyH", "keyY", "12"}},
    {"the last definition of the last line decides the end mode",
     crlf({"bind h aCB3", "bind y aCB3r", "alias aCB3 \"aCB3line1\"",
           "alias aCB3line1 \"s1; alias aCB3 aCB3line2\"", "alias aCB3line2 \"s2; alias aCB3 aCB3line2\"",
           "alias aCB3line2 \"s3; alias aCB3 aCB3line1\""}),
     3,
     {{"s1", "s2", "s3"}, "keyH", "keyY", "1"}},
    {"a one-way chain given a reverse key by hand goes round",
     crlf({"bind h aCB1", "bind j \"aCB1r\"", "alias aCB1 \"aCB1line1\"",
           "alias aCB1line1 \"s1;alias aCB1 aCB1line2\"", "alias aCB1line2 \"s2;alias aCB1 aCB1line1\""}),
     1,
     {{"s1", "s2"}, "keyH", "keyJ", "1"}},
    {"a start line naming no chain line starts at bind 1",
     crlf({"bind f6 aCB6", "alias aCB6 \"aCB6linex\"", "alias aCB6line1 \"a; alias aCB6 aCB6line1\""}),
     6,
     {{"a"}, "f6", "", "21"}},
    {"the forward key is the first in identifier order holding the marker",
     crlf({"bind a \"aCB8\"", "bind f12 \"acb8\"", "alias aCB8 \"aCB8line1\"",
           "alias aCB8line1 \"a; alias aCB8 aCB8line1\""}),
     8,
     {{"a"}, "f12", "", "21"}},
};

TEST_F(ReaderCircular, ChainsGiveBackTheirSlot) {
    for (const SlotCase& c : slotCases) {
        open(c.file);
        for (int n = 1; n <= slotCount; ++n)
            EXPECT_EQ(slot(n), n == c.n ? c.slot : CircularSlot{}) << c.what << ", slot " << n;
    }
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
    open(slot3 + crlf({"bind a aCB3r", "bind f5 aCB3r"})); // the first in identifier order
    EXPECT_EQ(slot(3).r, "f5");
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

} // namespace
} // namespace vantrel::testing
