// The main window's "Circular Bind" button: whether the circular-bind window may open.
#pragma once

#include "app/Editor.h"

namespace vantrel {

// True when the window is to be shown. It is not shown before a key is selected, nor as the blank
// editor while no slot can take a new circular bind; the user is told why.
[[nodiscard]] bool circularbind_Click(Editor& editor);

} // namespace vantrel
