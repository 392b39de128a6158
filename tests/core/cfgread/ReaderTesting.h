// Helpers for the reader tests: an editor opened on a file given as text, and its keys by game name.
#pragma once

#include "EditorFixture.h"
#include "RoundTrip.h"
#include "ScriptedPrompter.h"
#include "app/Editor.h"
#include "cfgread/OpenConfig.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vantrel::testing {

inline constexpr char entryByte = '\xA4';

class ReaderTest : public ::testing::Test {
  protected:
    ScriptedPrompter prompter;
    Editor editor{prompter};

    ReaderTest() { Form_Load(editor); }

    // Opens a file of these bytes.
    void open(std::string_view text) { readConfigBytes(editor, text); }

    KeyIndex key(std::string_view game) const {
        const auto k = keyOfGame(game);
        EXPECT_TRUE(k) << "no key " << game;
        return k.value_or(0);
    }
    const std::string& bindOf(std::string_view game) const { return editor.bind(key(game)); }
    bool painted(std::string_view game) const {
        return editor.colours.of(keyTable[key(game)].button) == Colour::Bound;
    }
};

} // namespace vantrel::testing
