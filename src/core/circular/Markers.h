// Bind markers that tie keys to circular-bind slots, and the names of the editor's own alias
// chains, which are built from them: the one place that spells and recognises those names.
#pragma once

#include "circular/CircularTable.h"
#include "text/Text.h"

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

struct MarkerRef {
    int slot;
    bool reverse;
    bool operator==(const MarkerRef&) const = default;
};

// "aCB3" is the bind of slot 3's forward key, "aCB3r" that of its reverse key; each is also the
// name of the alias chain that key runs.
std::string forwardMarker(int slot);
std::string reverseMarker(int slot);
std::string markerName(MarkerRef marker);
// Line k of a chain: "aCB3line2", "aCB3rline2".
std::string chainLineName(MarkerRef chain, long long k);

// The slot and direction a whole text names, letter case ignored: "aCB1" to "aCB10", "aCB1r" to
// "aCB10r", and nothing else ("aCB1 ", "aCB01", "aCB11").
std::optional<MarkerRef> findMarker(std::string_view text);

// True when the text begins like a marker ("aCB", letter case ignored): what the circular-bind
// button's colour asks of the current bind, and what marks an alias as a chain's.
bool looksLikeMarker(std::string_view text);

// A chain's lines are numbered from 1, one for each bind a slot can hold.
inline constexpr int firstLine = 1;
inline constexpr int lastLine = static_cast<int>(maxCircularBinds);

// A name of the editor's own chains: a marker (line 0, the chain's start) or a chain line's name,
// for k from 1 to 7, letter case ignored. Any other name, `aCB1line12` or `aCB1line1x` among
// them, is none.
struct ChainName {
    MarkerRef chain;
    int line; // 0 for the start alias
};
std::optional<ChainName> chainName(std::string_view aliasName);

// The slots whose chains a console text names as the game reads it: a marker or a chain line's name
// as a whole word of one of its commands, letter case ignored, or of the commands of a quoted word,
// which a bind or an alias may run later. A line's name counts as the marker does: running it runs
// the chain, and an alias of that name is overwritten when the slot is saved. A comment names
// nothing up to the next ";", where another command starts. A text the saved file holds between
// double quotes is asked as it is written there (asWritten).
using SlotSet = std::bitset<slotCount>; // slot n at slotIndex(n)
SlotSet slotsNamed(std::string_view text);

// The marker a bind is, letter case ignored, when it names a slot in use; a marker of a free slot
// is plain text.
std::optional<MarkerRef> markerInUse(const CircularTable& table, std::string_view bind);

} // namespace vantrel
