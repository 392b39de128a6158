// The settings pass of File Open: the Slot10 string and factor, the rcon lines and the kept lines.
#pragma once

#include "app/Editor.h"
#include "cfgread/CircularReader.h"
#include "cfgread/ConfigIndex.h"
#include "cfgread/KeyReader.h"

namespace vantrel {

// Classifies every command line once: bind lines of keys, the lines of the chains the editor writes
// again and the alias lines of the hold alias pairs the key reads took apart are left to the
// readers; the slot10s alias line sets slot10s (its body up to the closing quote), the rcon lines
// set srconport and srconpass, and every other line is kept in ssettings in file order.
void settingspass(Editor& editor, const ConfigIndex& file, const TakenPairs& pairs,
                  const TakenChains& chains);

// The factor the file sets: that of its last alias line holding "slot10s", other than the
// slot10s line and lines of names beginning with "aCB"; the start-up factor when none does.
std::string fileFactor(const ConfigIndex& file);

} // namespace vantrel
