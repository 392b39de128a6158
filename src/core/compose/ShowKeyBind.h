// Showing the selected key's stored bind: cbind takes it, and the composer's controls are set
// from what the bind contains.
#pragma once

#include "app/Editor.h"

namespace vantrel {

void showkeybind(Editor& editor);

} // namespace vantrel
