// The store reset of File New and File Open: empties everything a configuration file fills.
#pragma once

#include "app/Editor.h"

namespace vantrel {

// Empties every key's bind, the kept lines, the rcon settings, the bind parts and the circular-bind
// slots (with the lookup texts, not selectkeyr), and paints the 102 key buttons unbound. The
// Slot10 texts, bind order, selection, key clipboard, composer controls, cbind and current file
// name stay as they are.
void resetallbinds(Editor& editor);

} // namespace vantrel
