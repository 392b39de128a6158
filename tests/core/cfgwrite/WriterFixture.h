// An editor at its start-up state for the writer's tests, with helpers to bind keys by their game
// names, fill circular-bind slots and read golden files.
#pragma once

#include "EditorFixture.h"
#include "TempDir.h"
#include "app/Editor.h"
#include "cfgwrite/ConfigWriter.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::testing {

inline std::string golden(const std::string& name) {
    return readBytes(std::string(VANTREL_TEST_DATA_DIR) + "/writer/" + name);
}

class WriterTest : public EditorTest {
  protected:
    void bind(std::string_view game, std::string text) {
        const auto key = keyOfGame(game);
        ASSERT_TRUE(key.has_value()) << game;
        editor.bind(*key) = std::move(text);
    }
    void slot(int n, std::vector<std::string> binds, std::string reverseKey, std::string options) {
        editor.form6.slot(n) = {std::move(binds), "", std::move(reverseKey), std::move(options)};
    }
    // The file after the lines every file starts with.
    std::string keyBlocks() const {
        const std::string head = golden("empty-store.cfg");
        const std::string file = writeConfig(editor);
        EXPECT_TRUE(file.starts_with(head));
        return file.substr(std::min(head.size(), file.size()));
    }
};

} // namespace vantrel::testing
