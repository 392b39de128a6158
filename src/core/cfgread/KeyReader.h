// The key stages of File Open: every key's bind read back from the opened file, then the settings
// pass and the circular binds.
#pragma once

#include "app/Editor.h"
#include "cfgread/BindTexts.h"
#include "cfgread/ConfigIndex.h"

namespace vantrel {

// Reads one key's bind: the key's last bind line decides, as in the game (none after an unbind of
// the key), read through the pairs it presses (see BindTexts). A key with a bind line is painted
// bound.
void readkeybind(Editor& editor, BindTexts& texts, KeyIndex key);

// The stages, each reading its keys of file order and calling the next: readbinds1 (the default Slot10 string
// and the file's factor, keys 1 to 47), readbinds2 (48 to 68), readbinds3 (69 to 99, then which chains are
// the editor's own, the settings pass) and readcircularbinds.
void readbinds1(Editor& editor, const ConfigIndex& file);
void readbinds2(Editor& editor, const ConfigIndex& file, BindTexts& texts);
void readbinds3(Editor& editor, const ConfigIndex& file, BindTexts& texts);

} // namespace vantrel
