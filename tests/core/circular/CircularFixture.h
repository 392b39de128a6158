// An editor with a scripted prompter, and short ways to reach keys and slots in the tests.
#pragma once

#include "ScriptedPrompter.h"
#include "app/Editor.h"
#include "app/Selection.h"

#include <gtest/gtest.h>

namespace vantrel::testing {

class CircularFixture : public ::testing::Test {
  protected:
    ScriptedPrompter prompter;
    Editor editor{prompter};

    void SetUp() override { Form_Load(editor); }

    std::string& bindOf(std::string_view id) { return editor.bind(*keyById(id, Case::Exact)); }
    CircularSlot& slot(int n) { return editor.form6.slot(n); }
    void select(std::string_view button) { keyClick(editor, button); }
    // A slot in use with the given keys and their markers on them.
    void makeSlot(int n, std::vector<std::string> binds, std::string k, std::string r, std::string o) {
        slot(n) = {std::move(binds), k, r, std::move(o)};
        if (!k.empty())
            bindOf(k) = "aCB" + std::to_string(n);
        if (!r.empty())
            bindOf(r) = "aCB" + std::to_string(n) + "r";
    }
};

} // namespace vantrel::testing
