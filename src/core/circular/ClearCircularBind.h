// Deleting the circular bind that a forward marker names, then emptying the selected key's bind.
#pragma once

#include "app/Editor.h"

#include <string>

namespace vantrel {

// `bind` is a key's stored bind; a forward marker in any letter case frees its slot and empties
// the bind of the slot's reverse key. The key `selectkey` names always loses its bind.
void clearcircularbind(Editor& editor, const std::string& bind);

} // namespace vantrel
