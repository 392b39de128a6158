// Key Functions > Copy and Paste: the bind of the selected key through the editor's own clipboard.
#pragma once

#include "app/Editor.h"

namespace vantrel {

// Copies the selected key's stored bind (not cbind) into skeycopy; nothing without a selected key.
void menu_key_copy_Click(Editor& editor);
// Stores skeycopy on the selected key (read through the pair it presses, see SavedBinds::throughPairs),
// settles the circular binds it touched, then shows the selected key's bind; repaints only when
// another key lost its bind. Refuses a text that would make a circular bind run its own chain.
void menu_key_paste_Click(Editor& editor);

} // namespace vantrel
