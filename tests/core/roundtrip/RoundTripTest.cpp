// Saving and opening again, over thousands of generated states: a tidy state comes back exactly
// and saves to the same bytes; an untidy one settles after one round.
#include "RoundTrip.h"
#include "EditorStates.h"
#include "ScriptedPrompter.h"
#include "cfgwrite/ConfigWriter.h"

#include <gtest/gtest.h>

namespace vantrel::testing {
namespace {

constexpr std::uint32_t tidySeed = 20261207;
constexpr std::uint32_t untidySeed = 7122026;
constexpr int stateCount = optimisedBuild ? 3000 : 400;

// What a file gives back, and so what "open(save(S)) == S" compares: every key's bind and whether
// its button is painted bound, the Slot10 texts, the rcon lines, the kept lines and each slot's
// binds, forward key, reverse key and options number. The composer, the selection, the key
// clipboard and the circular-bind window's working texts are no part of the file.
void expectSameFileState(const Editor& got, const Editor& want) {
    for (KeyIndex key = 0; key < keyCount; ++key)
        EXPECT_EQ(got.bind(key), want.bind(key)) << keyTable[key].id;
    for (KeyIndex key : fileOrder())
        EXPECT_EQ(got.colours.of(keyTable[key].button), want.colours.of(keyTable[key].button))
            << keyTable[key].id;
    EXPECT_EQ(got.slot10, want.slot10);
    EXPECT_EQ(got.slot10s, want.slot10s);
    EXPECT_EQ(got.srconport, want.srconport);
    EXPECT_EQ(got.srconpass, want.srconpass);
    EXPECT_EQ(got.ssettings, want.ssettings);
    for (int n = 1; n <= slotCount; ++n)
        EXPECT_EQ(got.form6.slot(n), want.form6.slot(n)) << "slot " << n;
}

class RoundTrip : public ::testing::Test {
  protected:
    ScriptedPrompter prompter;

    Editor fresh() {
        Editor editor{prompter};
        Form_Load(editor);
        return editor;
    }
};

TEST_F(RoundTrip, TidyStatesComeBackExactlyAndSaveToTheSameBytes) {
    Random random(tidySeed);
    for (int i = 0; i < stateCount && !HasFailure(); ++i) {
        Editor state = fresh();
        makeTidyState(state, random);
        const std::string saved = writeConfig(state);
        const Editor opened = testing::opened(prompter, saved);
        SCOPED_TRACE("state " + std::to_string(i));
        expectSameFileState(opened, state);
        const std::string diff = difference(saved, writeConfig(opened));
        EXPECT_TRUE(diff.empty()) << diff;
    }
}

TEST_F(RoundTrip, UntidyStatesSettleAfterOneRound) {
    Random random(untidySeed);
    for (int i = 0; i < stateCount && !HasFailure(); ++i) {
        Editor state = fresh();
        makeUntidyState(state, random);
        const std::string b1 = saveOpened(writeConfig(state));
        const std::string diff = difference(b1, saveOpened(b1));
        EXPECT_TRUE(diff.empty()) << "state " << i << ": " << diff;
    }
}

} // namespace
} // namespace vantrel::testing
