// "Save to key": stores cbind on the selected key, warning first about a bind the game cuts off.
#pragma once

#include "app/Editor.h"

namespace vantrel {

void savetokey_Click(Editor& editor);

} // namespace vantrel
