// The shared editor fixture with short ways to reach slots, select keys and tie keys to slots.
#pragma once

#include "EditorFixture.h"
#include "app/Selection.h"

namespace vantrel::testing {

class CircularFixture : public EditorTest {
  protected:
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
