// The settings pass of File Open: the Slot10 string and factor, the rcon lines and the kept lines.
#pragma once

#include "app/Editor.h"
#include "cfgread/CircularReader.h"
#include "cfgread/ConfigIndex.h"

namespace vantrel {

// Classifies every command line once: bind lines of keys and the lines of the chains the editor
// writes again are left to the readers, and a key's own hold alias lines are dropped when its bind
// is held, since the pair the writer writes for it replaces them; the slot10s alias line sets
// slot10s (every word of its body, as commandBody keeps them), the lines whose first word is
// rcon_port or rcon_password set srconport and srconpass, and every other line is kept in
// ssettings in file order.
void settingspass(Editor& editor, const ConfigIndex& file, const TakenChains& chains);

// The factor the file sets: that of its last alias line holding "slot10s", other than the
// slot10s line and lines of names beginning with "aCB"; the start-up factor when none does.
std::string fileFactor(const ConfigIndex& file);

} // namespace vantrel
