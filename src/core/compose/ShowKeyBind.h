// Showing the selected key's stored bind: cbind takes it, and the composer's controls are set
// from what the bind contains.
#pragma once

#include "app/Editor.h"

namespace vantrel {

// Fetches the selected key's bind into cbind, resets the composer, sets the controls from the
// commands and messages found in the bind, and leaves cbind holding the stored text exactly.
// With no key selected, the text already in cbind is taken apart.
void showkeybind(Editor& editor);

} // namespace vantrel
