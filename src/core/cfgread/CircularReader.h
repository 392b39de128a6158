// The last stage of File Open: the ten circular-bind slots rebuilt from the file's alias chains,
// and the lookup from a game key name to a key's display name.
#pragma once

#include "app/Editor.h"
#include "cfgread/ConfigIndex.h"

#include <string_view>

namespace vantrel {

// Rebuilds each slot's start, binds list, stop-at-ends state and reverse key from the forward
// chains and the reverse keys' bind lines, then gives each used slot the first key, in identifier
// order, that holds its forward marker.
void readcircularbinds(Editor& editor, const ConfigIndex& file);

// Puts the display name of the key with that game key name (letter case ignored) into lookedup;
// returns false and leaves lookedup alone when no key has that name.
bool lookupgamekey(Editor& editor, std::string_view name);

} // namespace vantrel
