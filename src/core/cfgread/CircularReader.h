// The last stage of File Open: the ten circular-bind slots rebuilt from the file's alias chains,
// which of those chain lines are the editor's own, and the lookup from a game key name to a key's
// display name.
#pragma once

#include "app/Editor.h"
#include "cfgread/ConfigIndex.h"
#include "circular/Markers.h"

#include <array>
#include <optional>
#include <string_view>

namespace vantrel {

// Which of a slot's two chains the writer writes again, so Open drops their lines.
struct TakenChain {
    bool forward = false;
    bool reverse = false;
};
using TakenChains = std::array<TakenChain, slotCount>; // slot n at n - 1

// After the key reads: slot n's forward chain is taken when a key holds its forward marker
// (letter case ignored) and the file has its start line and a line of it (the writer writes a
// chain only for such a slot); its reverse chain when, besides, a key holds the reverse marker.
// Every other chain line stays a kept line, so a file whose chains the editor does not rebuild
// goes on working.
[[nodiscard]] TakenChains takeOwnChains(const Editor& editor, const ConfigIndex& file);

// True when the alias line is a line of a taken chain.
bool isTakenChainLine(const TakenChains& chains, std::string_view line);

// Rebuilds each slot whose forward chain was taken: its start, binds list, stop-at-ends state and
// its reverse key (the first key, in identifier order, holding its reverse marker, when the
// reverse chain was taken). The other slots stay free. The circular rules that end Open name each
// slot's forward key.
void readcircularbinds(Editor& editor, const ConfigIndex& file, const TakenChains& taken);

// Puts the display name of the key with that game key name (letter case ignored) into lookedup;
// returns false and leaves lookedup alone when no key has that name.
bool lookupgamekey(Editor& editor, std::string_view name);

} // namespace vantrel
