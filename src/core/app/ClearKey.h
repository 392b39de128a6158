// Clear Key: empties the selected key's bind; the circular-bind rules settle the slot it held.
#pragma once

#include "app/Editor.h"

namespace vantrel {

// Empties the bind of the key `selectkey` names (letter case ignored); a mouse key's button is
// painted in the selection colour. Nothing happens when `selectkey` names no key.
void clearkeybind(Editor& editor);

// The "Clear Key" button: the selected key's stored bind is emptied and the circular-bind rules
// settle the slot it held a marker of (text in cbind that was never saved frees nothing); then
// every key is repainted and the composer reset. Refused where the key's bind gone would make a
// circular bind run its own chain.
void clearkey_Click(Editor& editor);

} // namespace vantrel
