// The text a key stores when it is given one (Save to key, Paste), read through another key's pair
// as Open reads a bind line.
#pragma once

#include "app/Editor.h"

#include <string>

namespace vantrel {

// A text whose first command presses another key's own hold alias, which the saved file defines
// for that key's held bind, stores that bind in the pressed alias's place, followed by the text's
// other commands: the key then keeps running it when the other key is edited or cleared. A text
// whose other commands press something keeps pressing the alias, so that the key still releases
// them.
std::string bindToStore(const Editor& editor, KeyIndex key, std::string text);

} // namespace vantrel
