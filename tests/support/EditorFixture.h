// A started editor whose prompts are scripted, with short ways to reach a key's bind and a
// button's colour, and a key by its game name; the fixture the core tests share.
#pragma once

#include "ScriptedPrompter.h"
#include "app/Editor.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::testing {

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override { Form_Load(editor); }

    std::string& bindOf(std::string_view id) { return editor.bind(*keyById(id, Case::Exact)); }
    Colour colour(std::string_view button) const { return editor.colours.of(button); }

    ScriptedPrompter prompter;
    Editor editor{prompter};
};

// The live key the game's console calls by this name.
inline std::optional<KeyIndex> keyOfGame(std::string_view game) {
    for (KeyIndex key : displayOrder())
        if (keyTable[key].game == game)
            return key;
    return std::nullopt;
}

// ASCII letters in capitals, for texts that must be recognised in any letter case.
inline std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

} // namespace vantrel::testing
