// Turning a key identifier into the display name the circular-bind window shows and offers.
#pragma once

#include "circular/CircularTable.h"

#include <string>
#include <vector>

namespace vantrel {

// Writes the display name of the live key that `lookup` names (letter case ignored) into
// `lookedup` and returns true; leaves `lookedup` as it was when no live key is named.
bool lookupkeyname(CircularTable& table);

// The 99 display names in the order the reverse-key list shows them (alphabetical, case ignored).
const std::vector<std::string>& reverseKeyNames();

} // namespace vantrel
