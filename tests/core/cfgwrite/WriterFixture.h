// An editor at its start-up state for the writer's tests, with helpers to bind keys by their game
// names, fill circular-bind slots and spell expected file text.
#pragma once

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "app/Editor.h"
#include "cfgwrite/ConfigWriter.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::testing {

// Lines as the file holds them: each followed by CR LF.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines)
        out.append(line).append("\r\n");
    return out;
}

// The three lines every file starts with when no rcon setting and no kept line is set.
inline const std::string defaultHead =
    crlf({"", R"(alias slot10s "slot10;wait;wait;slot10;wait;wait;slot10;wait;wait")", ""});

inline std::string golden(const std::string& name) {
    return readBytes(std::string(VANTREL_TEST_DATA_DIR) + "/writer/" + name);
}

class WriterTest : public ::testing::Test {
  protected:
    ScriptedPrompter prompter;
    Editor editor{prompter};

    void SetUp() override { Form_Load(editor); }

    void bind(std::string_view game, std::string text) {
        const auto key = keyByGame(game, Case::Exact);
        ASSERT_TRUE(key.has_value()) << game;
        editor.bind(*key) = std::move(text);
    }
    void slot(int n, std::vector<std::string> binds, std::string reverseKey, std::string options) {
        editor.form6.slot(n) = {std::move(binds), "", std::move(reverseKey), std::move(options)};
    }
    // The file after the three head lines.
    std::string keyBlocks() const {
        const std::string file = writeConfig(editor);
        EXPECT_EQ(file.substr(0, defaultHead.size()), defaultHead);
        return file.substr(std::min(defaultHead.size(), file.size()));
    }
};

} // namespace vantrel::testing
