// The one rule every edit asks that changes what a name of the saved file runs (Save to key, Paste,
// Clear Key, the Slot10 window and the circular-bind window): no circular bind may run its own
// chain, which the game would run again from inside itself until its buffer overflows.
#pragma once

#include "app/Editor.h"

#include <optional>
#include <string>

namespace vantrel {

// Where a circular bind runs its own chain: its slot, its bind (numbered as the window shows the
// binds) and what that bind names, said for the player: "aCB1", or "+am, which leads to aCB1".
struct SelfRun {
    int slot;
    int bind;
    std::string named;
};

// The first circular bind that runs its own chain in the file `after` saves but not in the one
// `before` saves, in slot order; the slot `saving`, whose binds are being saved, comes first and
// counts whatever it did before. The texts are read as the saved files hold them, and the names as
// those files define them.
std::optional<SelfRun> newSelfRun(const Editor& before, const Editor& after,
                                  std::optional<int> saving = std::nullopt);

// True when some circular-bind slot is in use: without one, no chain can run itself.
bool anySlotInUse(const Editor& editor);

// Says, in the message box of the circular binds' refusals, which circular bind would run itself
// and through which name, and that nothing was changed.
void sayRefused(const Editor& after, const SelfRun& run);

// Makes the edit on a copy of the editor and asks the rule of the result: where it would make a
// circular bind run its own chain, says so and returns true, and the caller leaves everything as
// it was.
template <typename Edit> bool refusesSelfRun(const Editor& editor, Edit&& edit) {
    // An edit of keys or of the Slot10 string never puts a slot in use.
    if (!anySlotInUse(editor))
        return false;
    Editor after = editor;
    edit(after);
    const std::optional<SelfRun> run = newSelfRun(editor, after);
    if (run)
        sayRefused(after, *run);
    return run.has_value();
}

} // namespace vantrel
