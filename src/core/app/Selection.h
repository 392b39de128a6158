// Selecting a key on the picture and painting every key from the store and the selection.
#pragma once

#include "app/Editor.h"

#include <string_view>

namespace vantrel {

// A click on a picture button: selects its key, shows its bind and repaints. The unbindable
// buttons do nothing.
void keyClick(Editor& editor, std::string_view button);

// Repaints every key button and "Circular Bind" from the selection, the store and cbind.
void colourkeys(Editor& editor);

} // namespace vantrel
