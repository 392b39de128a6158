#include "compose/BindParsePatterns.h"
#include "EditorFixture.h"
#include "compose/RadioCommands.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel {
namespace {

std::vector<std::string_view> allSequences() {
    std::vector<std::string_view> out;
    for (const BuyParseRow& row : buyParseRows)
        for (std::string_view s : row.sequences)
            if (!s.empty())
                out.push_back(s);
    for (const RadioParseRow& row : radioParseRows)
        out.push_back(row.sequence);
    return out;
}

// Every spelling of the sequence with no space or one space after each inner ";".
std::vector<std::string> spacings(std::string_view sequence) {
    std::vector<std::string> out{""};
    for (size_t i = 0; i < sequence.size(); ++i) {
        for (std::string& s : out)
            s += sequence[i];
        if (sequence[i] == ';' && i + 1 < sequence.size()) {
            const size_t n = out.size();
            for (size_t k = 0; k < n; ++k)
                out.push_back(out[k] + " ");
        }
    }
    return out;
}

// The wildcard reading of a row: the text matches "*" + spelling + "*" for some spelling.
bool likeAnySpacing(std::string_view text, std::string_view sequence) {
    for (const std::string& spelled : spacings(sequence))
        if (like(text, "*" + spelled + "*"))
            return true;
    return false;
}

// Texts near the spellings: each spelling in capitals and inside other commands, and each with
// a separator broken by a second space, a space before it or a missing last character.
std::vector<std::string> corpusFor(std::string_view sequence) {
    std::vector<std::string> out;
    for (const std::string& spelled : spacings(sequence)) {
        out.push_back(spelled);
        out.push_back("wait; " + lowerAscii(spelled) + ";echo");
        out.push_back(testing::upperAscii(spelled));
        out.push_back(spelled.substr(0, spelled.size() - 1));
        for (size_t i = 0; i + 1 < spelled.size(); ++i) {
            if (spelled[i] != ';')
                continue;
            out.push_back(spelled.substr(0, i + 1) + "  " + spelled.substr(i + 1));
            out.push_back(spelled.substr(0, i) + " " + spelled.substr(i));
        }
    }
    return out;
}

// The matcher agrees with the wildcard reading of every row on every spelling of every row and on
// the broken spellings around them.
TEST(BindParsePatterns, MatcherAgreesWithEverySpellingOfEveryRow) {
    const auto sequences = allSequences();
    std::vector<std::string> shared;
    for (std::string_view s : sequences)
        for (std::string& spelled : spacings(s))
            shared.push_back(std::move(spelled));
    for (std::string_view sequence : sequences) {
        auto texts = corpusFor(sequence);
        texts.insert(texts.end(), shared.begin(), shared.end());
        for (const std::string& text : texts)
            ASSERT_EQ(containsSequence(text, sequence), likeAnySpacing(text, sequence))
                << "sequence \"" << sequence << "\" on \"" << text << "\"";
    }
}

TEST(BindParsePatterns, RadioRowsFindTheCommandOfTheirItem) {
    for (const RadioParseRow& row : radioParseRows) {
        const RadioCommand* command = radioCommandByItem(row.item, Case::Exact);
        ASSERT_NE(command, nullptr) << row.item;
        EXPECT_EQ(std::string(row.sequence) + ";", command->command);
        EXPECT_EQ(row.chain, row.sequence[5] - '0') << "chain follows the radio menu";
    }
}

} // namespace
} // namespace vantrel
