// The settings pass of File Open: the Slot10 string and factor, the rcon lines and the kept lines.
#pragma once

#include "app/Editor.h"
#include "cfgread/ConfigIndex.h"

namespace vantrel {

// Classifies every command line once: bind lines of keys, circular alias lines and the alias lines
// of the hold alias pairs the key reads took apart are left to the readers; the slot10s alias line
// sets slot10s, a line holding "slot10s" in an alias sets slot10, the rcon lines set srconport and
// srconpass, and every other line is kept in ssettings in file order.
void settingspass(Editor& editor, const ConfigIndex& file);

} // namespace vantrel
