#include "settings/HelpSearch.h"

#include "EditorFixture.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// A small document shaped like the help text: "Errors :" comes just before the long-bind heading.
constexpr std::string_view document = "Vantrel Help\n"
                                      "Slot10:\n"
                                      "The slot10 command closes a menu.\n"
                                      "Bind Order:\n"
                                      "Pick an order for slot10 and the rest.\n"
                                      "Circular Binds:\n"
                                      "A circular bind steps on.\n"
                                      "Errors :\n"
                                      "Bind too long error:\n"
                                      "Split the bind.\n";

class HelpTextSearch : public testing::EditorTest {
  protected:
    HelpSearch form3;

    void SetUp() override {
        EditorTest::SetUp();
        form3.Form_Load(std::string(document));
    }

    void search(const char* text) {
        form3.searchtextbox = text;
        form3.Command2_Click(editor);
    }
    std::string selected() const { return form3.text.substr(form3.SelStart, form3.SelLength); }
    static std::size_t nth(std::string_view what, int n) {
        std::size_t at = std::string_view::npos;
        for (int i = 0; i <= n; ++i)
            at = document.find(what, at + 1);
        return at;
    }
    void expectNotFoundShown(std::size_t times) {
        const Message expected{"String not found.", "Vantrel", Buttons::Ok, Answer::Ok, Icon::None};
        ASSERT_EQ(prompter.messages().size(), times);
        for (const Message& m : prompter.messages())
            EXPECT_EQ(m, expected);
    }
};

TEST_F(HelpTextSearch, SearchSelectsTheFirstOccurrenceIgnoringCase) {
    search("SLOT10:");
    EXPECT_EQ(form3.SelStart, document.find("Slot10:"));
    EXPECT_EQ(selected(), "Slot10:") << "the document keeps its own letter case";
    EXPECT_EQ(editor.helpMemory.ssearchtext, "SLOT10:");
    EXPECT_EQ(editor.helpMemory.sst, document);
}

TEST_F(HelpTextSearch, EmptySearchPutsTheCaretAtTheStart) {
    form3.SelStart = 30;
    form3.SelLength = 4;
    search("");
    EXPECT_EQ(form3.SelStart, 0u);
    EXPECT_EQ(form3.SelLength, 0u);
    expectNotFoundShown(0);
}

TEST_F(HelpTextSearch, NotFoundIsSaidOncePerClickAndKeepsTheSelection) {
    search("slot10");
    const std::size_t start = form3.SelStart;
    prompter.answerMessage(Answer::Ok).answerMessage(Answer::Ok).answerMessage(Answer::Ok);
    search("missing");
    form3.Command3_Click(editor);
    form3.Command3_Click(editor);
    expectNotFoundShown(3);
    EXPECT_EQ(form3.SelStart, start);
    EXPECT_EQ(form3.SelLength, 6u);
    EXPECT_EQ(editor.helpMemory.ssearchtext, "missing");
}

TEST_F(HelpTextSearch, FindNextStepsOnAndWrapsWithoutAMessage) {
    search("slot10");
    EXPECT_EQ(form3.SelStart, nth("lot10", 0) - 1);
    form3.Command3_Click(editor);
    EXPECT_EQ(form3.SelStart, document.find("slot10"));
    form3.Command3_Click(editor);
    EXPECT_EQ(form3.SelStart, document.find("slot10 and"));
    form3.Command3_Click(editor); // the last occurrence: back to the first
    EXPECT_EQ(form3.SelStart, document.find("Slot10:"));
    EXPECT_EQ(editor.helpMemory.sst, document) << "the wrap makes the working copy whole again";
    expectNotFoundShown(0);
}

TEST_F(HelpTextSearch, FindNextReselectsASingleOccurrence) {
    search("circular bind steps");
    const std::size_t at = document.find("circular bind steps");
    for (int i = 0; i < 3; ++i) {
        form3.Command3_Click(editor);
        EXPECT_EQ(form3.SelStart, at);
        EXPECT_EQ(selected(), "circular bind steps");
    }
    expectNotFoundShown(0);
}

TEST_F(HelpTextSearch, FindNextGoesOnAfterTheFurthestPointEvenWhenTheCaretMovesBack) {
    search("slot10");
    form3.Command3_Click(editor);
    form3.Command3_Click(editor); // the third occurrence; the second is now passed
    form3.SelStart = 0;           // the user clicks back at the top
    form3.SelLength = 0;
    form3.Command3_Click(editor);
    EXPECT_EQ(form3.SelStart, document.find("slot10 and"));
}

TEST_F(HelpTextSearch, FindNextSearchesForTheLastSearchNotTheBox) {
    search("bind");
    form3.searchtextbox = "Errors";
    form3.Command3_Click(editor);
    EXPECT_EQ(form3.SelStart, document.find("Binds:"));
    EXPECT_EQ(editor.helpMemory.ssearchtext, "bind");
}

TEST_F(HelpTextSearch, TheLastSearchSurvivesClosingTheWindow) {
    search("slot10");
    form3.Command3_Click(editor);
    form3.Command3_Click(editor);
    form3.Form_Load(std::string(document)); // closed and opened again
    EXPECT_EQ(form3.searchtextbox, "");
    EXPECT_EQ(form3.SelStart, 0u);
    form3.Command3_Click(editor);
    EXPECT_EQ(form3.SelStart, document.find("slot10 and"))
        << "the old working copy still holds what was passed";
}

TEST_F(HelpTextSearch, FindNextBeforeAnySearchWorksOnAFreshCopy) {
    form3.SelStart = 10;
    form3.Command3_Click(editor);
    EXPECT_EQ(editor.helpMemory.sst.size(), document.size());
    EXPECT_EQ(editor.helpMemory.sst.substr(10), document.substr(10));
    EXPECT_EQ(form3.SelStart, 0u) << "an empty search text is found at the first position";
    EXPECT_EQ(form3.SelLength, 0u);
    expectNotFoundShown(0);
}

TEST_F(HelpTextSearch, FindNextNeverMatchesInsideThePassedPart) {
    // A search text that begins with a space must not join the passed part to the text after it.
    form3.Form_Load("a thethe");
    search(" the");
    form3.Command3_Click(editor);
    EXPECT_EQ(form3.SelStart, 1u) << "the only occurrence, not \"ethe\" after it";

    form3.Form_Load("a b c");
    search(" ");
    form3.Command3_Click(editor);
    EXPECT_EQ(form3.SelStart, 3u);
    form3.Command3_Click(editor);
    EXPECT_EQ(form3.SelStart, 1u) << "wraps to the first space";
    expectNotFoundShown(0);
}

TEST_F(HelpTextSearch, OneClickBlanksAtMostAHundredThousandCharacters) {
    std::string big(150000, '.');
    big.replace(110000, 4, "mark");
    big.replace(130000, 4, "mark");
    form3.Form_Load(big);
    search("mark");
    form3.SelStart = 120000; // the caret after the first mark
    form3.SelLength = 0;
    form3.Command3_Click(editor);
    EXPECT_EQ(form3.SelStart, 110000u) << "the part past the cap is searched again";
    EXPECT_EQ(editor.helpMemory.sst.size(), big.size());
}

class HelpSectionJump : public HelpTextSearch, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(HelpSectionJump, SelectsItsHeadingAndClearsTheSection) {
    const HelpHeading& h = helpHeadings[GetParam()];
    editor.helpSection = h.section;
    search("slot10"); // the jump must leave the search state alone
    const HelpMemory memory = editor.helpMemory;
    form3.Timer1_Timer(editor);
    EXPECT_EQ(form3.searchtextbox, h.heading);
    EXPECT_EQ(form3.SelStart, document.find(h.heading));
    EXPECT_EQ(selected(), h.heading);
    EXPECT_EQ(editor.helpMemory.ssearchtext, memory.ssearchtext);
    EXPECT_EQ(editor.helpMemory.sst, memory.sst);
    EXPECT_EQ(editor.helpSection, HelpSection::None);
}

INSTANTIATE_TEST_SUITE_P(Sections, HelpSectionJump, ::testing::Values(0u, 1u, 2u, 3u));

TEST_F(HelpTextSearch, JumpWithNoSectionSelectsNothing) {
    form3.Timer1_Timer(editor);
    EXPECT_EQ(form3.searchtextbox, "");
    EXPECT_EQ(form3.SelStart, 0u);
    EXPECT_EQ(form3.SelLength, 0u);
    EXPECT_EQ(editor.helpSection, HelpSection::None);
}

} // namespace
} // namespace vantrel
