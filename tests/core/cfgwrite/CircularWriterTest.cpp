#include "WriterFixture.h"

#include "cfgwrite/CircularWriter.h"

namespace vantrel {
namespace {

using testing::crlf;
using testing::golden;

class CircularBlock : public testing::WriterTest {
  protected:
    // Slot 2 of the worked examples: key h forward, key j reverse when two-way.
    void workedExample(bool twoWay, const std::string& options) {
        slot(2, {"slot1", "slot2", "slot3"}, twoWay ? "keyJ" : "", options);
        bind("h", "aCB2");
        if (twoWay)
            bind("j", "aCB2r");
    }
    // The block a key with this marker gets, written alone.
    std::string block(std::string_view marker, std::string_view key = "h") {
        ConfigText out;
        EXPECT_TRUE(writecircularbind(out, editor.form6, key, marker)) << marker;
        return out.take();
    }
    // The start alias line of a block.
    static std::string startLine(const std::string& block) {
        const size_t from = block.find("\r\n") + 2;
        return block.substr(from, block.find("\r\n", from) - from);
    }
};

TEST_F(CircularBlock, WorkedExamplesMatchGoldenFiles) {
    workedExample(false, "21");
    EXPECT_EQ(writeConfig(editor), golden("circular-one-way.cfg"));
    workedExample(true, "1");
    EXPECT_EQ(writeConfig(editor), golden("circular-two-way-wrap.cfg"));
    workedExample(true, "12");
    EXPECT_EQ(writeConfig(editor), golden("circular-two-way-stop.cfg"));
}

TEST_F(CircularBlock, MarkerInOtherLetterCaseIsWrittenWithTheSlotNamesCase) {
    slot(2, {"slot1"}, "", "21");
    EXPECT_EQ(block("acb2").substr(0, 15), "bind h \"aCB2\"\r\n");
    slot(3, {"slot1"}, "keyJ", "1");
    EXPECT_EQ(block("ACB3R").substr(0, 16), "bind h \"aCB3r\"\r\n");
}

TEST_F(CircularBlock, NoBindsStillWritesLineOne) {
    slot(4, {}, "", "21");
    EXPECT_EQ(block("aCB4"), crlf({R"(bind h "aCB4")", R"(alias aCB4 "aCB4line1")",
                                   R"(alias aCB4line1 "; alias aCB4 aCB4line1")", "", ""}));
}

TEST_F(CircularBlock, SplitKeepsSevenBindsAndStopsAtTheSeventhPlace) {
    using Binds = std::vector<std::string>;
    using Views = std::vector<std::string_view>;
    EXPECT_EQ(chainBinds({"1", "2", "3", "4", "5", "6", "7", "8"}),
              (Views{"1", "2", "3", "4", "5", "6", "7"}));
    // An empty entry takes no place before the seventh, and ends the list on it.
    EXPECT_EQ(chainBinds({"1", "", "2", "3", "4", "5", "6", "", "8"}), (Views{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(chainBinds({"1", "2", "3", "4", "5", "6", "  ", "8"}), (Views{"1", "2", "3", "4", "5", "6"}));
    // Spaces: the first entry keeps those at its start; every entry loses those at its end.
    EXPECT_EQ(chainBinds(Binds{"  a  ", "  b c  "}), (Views{"  a", "b c"}));
    EXPECT_EQ(chainBinds({}), Views{});

    slot(1, {"1", "2", "3", "4", "5", "6", "7", "8"}, "", "21");
    const std::string seven = block("aCB1");
    EXPECT_NE(seven.find("alias aCB1line7 \"7; alias aCB1 aCB1line1\""), std::string::npos);
    EXPECT_EQ(seven.find("aCB1line8"), std::string::npos);
}

TEST_F(CircularBlock, StartBeyondTheBindsStartsAtBindOne) {
    for (const char* options : {"25", "9", "19", "28"}) {
        slot(2, {"slot1", "slot2", "slot3"}, "keyJ", options);
        EXPECT_EQ(startLine(block("aCB2")), R"(alias aCB2 "aCB2line1")") << options;
        EXPECT_EQ(startLine(block("aCB2r", "j")), R"(alias aCB2r "aCB2rline3")") << options;
    }
}

TEST_F(CircularBlock, OptionsOfZeroOrLessStartBothKeysAtLineOneAndWrap) {
    for (const char* options : {"0", "-5"}) {
        slot(2, {"slot1", "slot2", "slot3"}, "keyJ", options);
        EXPECT_EQ(block("aCB2r", "j"),
                  crlf({R"(bind j "aCB2r")", R"(alias aCB2r "aCB2rline1")",
                        R"(alias aCB2rline1 "slot3; alias aCB2r aCB2rline2; alias aCB2 aCB2line1")",
                        R"(alias aCB2rline2 "slot2; alias aCB2r aCB2rline3; alias aCB2 aCB2line3")",
                        R"(alias aCB2rline3 "slot1; alias aCB2r aCB2rline1; alias aCB2 aCB2line2")", "", ""}))
            << options;
        EXPECT_EQ(startLine(block("aCB2")), R"(alias aCB2 "aCB2line1")");
    }
}

TEST_F(CircularBlock, OneWayChainWrapsWhateverTheOptionsSay) {
    slot(6, {"a", "b"}, "", "12");
    EXPECT_EQ(block("aCB6"), crlf({R"(bind h "aCB6")", R"(alias aCB6 "aCB6line2")",
                                   R"(alias aCB6line1 "a; alias aCB6 aCB6line2")",
                                   R"(alias aCB6line2 "b; alias aCB6 aCB6line1")", "", ""}));
}

TEST_F(CircularBlock, ReverseMarkerGetsAReverseChainWithoutAReverseKey) {
    slot(3, {"a", "b"}, "", "1");
    EXPECT_EQ(block("aCB3r"),
              crlf({R"(bind h "aCB3r")", R"(alias aCB3r "aCB3rline2")",
                    R"(alias aCB3rline1 "b; alias aCB3r aCB3rline2; alias aCB3 aCB3line1")",
                    R"(alias aCB3rline2 "a; alias aCB3r aCB3rline1; alias aCB3 aCB3line2")", "", ""}));
}

TEST_F(CircularBlock, SingleBindLinksToItselfAndToLineOneOfTheOtherChain) {
    for (const char* options : {"1", "11"}) {
        slot(7, {"only"}, "keyJ", options);
        EXPECT_EQ(block("aCB7"),
                  crlf({R"(bind h "aCB7")", R"(alias aCB7 "aCB7line1")",
                        R"(alias aCB7line1 "only; alias aCB7 aCB7line1; alias aCB7r aCB7rline1")", "", ""}))
            << options;
    }
}

TEST_F(CircularBlock, SlotTenIsNeverTakenForSlotOne) {
    slot(1, {"one"}, "", "21");
    slot(10, {"ten"}, "keyJ", "1");
    EXPECT_EQ(block("aCB10r"),
              crlf({R"(bind h "aCB10r")", R"(alias aCB10r "aCB10rline1")",
                    R"(alias aCB10rline1 "ten; alias aCB10r aCB10rline1; alias aCB10 aCB10line1")", "", ""}));
}

TEST_F(CircularBlock, QuotesInBindsAndTheSemicolonKeyAreSafeForTheConsole) {
    slot(1, {"say \"hi\"; kill"}, "", "21");
    bind(";", "aCB1");
    EXPECT_EQ(keyBlocks(), crlf({R"(bind ";" "aCB1")", R"(alias aCB1 "aCB1line1")",
                                 R"(alias aCB1line1 "say 'hi'; kill; alias aCB1 aCB1line1")", "", ""}));
}

TEST_F(CircularBlock, BindThatNamesNoUsableSlotWritesNothingHere) {
    slot(5, {"x"}, "", "");
    slot(6, {"x"}, "", "1x");
    ConfigText out;
    for (const char* bind : {"aCB11", "aCBx", "aCB3 ", "acbuy", "aCB5", "aCB6", "aCB0"})
        EXPECT_FALSE(writecircularbind(out, editor.form6, "h", bind)) << bind;
    EXPECT_EQ(out.bytes(), "");
}

} // namespace
} // namespace vantrel
