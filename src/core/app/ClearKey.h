// Clear Key: empties the selected key's bind and unties the circular bind its marker names.
#pragma once

#include "app/Editor.h"

namespace vantrel {

// Empties the bind of the key `selectkey` names (letter case ignored); a mouse key's button is
// painted in the selection colour. Nothing happens when `selectkey` names no key.
void clearkeybind(Editor& editor);

// Empties the bind of the slot's reverse key, with `selectkey` switched to it for the moment.
void clearReverseKeyBind(Editor& editor, const CircularSlot& slot);

// The "Clear Key" button: a forward marker in cbind frees its slot and unbinds the reverse key, a
// reverse marker makes the slot one-way; then the selected key is unbound, every key repainted and
// the composer reset.
void clearkey_Click(Editor& editor);

} // namespace vantrel
