// The settings pass of File Open: the Slot10 string and factor, the rcon lines and the kept lines.
#pragma once

#include "app/Editor.h"
#include "cfgread/ConfigIndex.h"

#include <string>
#include <string_view>

namespace vantrel {

// Classifies every command line once: bind lines of keys, circular alias lines and the alias lines
// of the hold alias pairs the key reads took apart are left to the readers; the slot10s alias line
// sets slot10s, a line holding "slot10s" in an alias sets slot10, the rcon lines set srconport and
// srconpass, and every other line is kept in ssettings in file order.
void settingspass(Editor& editor, const ConfigIndex& file);

// The body of a `slot10s` alias line, cut by position from the line as the writer forms it.
std::string slot10Text(std::string_view line);
// The factor of a line: the longest run of 1 to 7 copies of "slot10s" joined by ";".
std::string slot10Factor(std::string_view line);

} // namespace vantrel
