// Bind markers that tie keys to circular-bind slots.
#pragma once

#include "circular/CircularTable.h"
#include "circular/Options.h"
#include "text/Text.h"

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// "aCB3" is the bind of slot 3's forward key, "aCB3r" that of its reverse key.
std::string forwardMarker(int slot);
std::string reverseMarker(int slot);

struct MarkerRef {
    int slot;
    bool reverse;
    bool operator==(const MarkerRef&) const = default;
};

// The slot and direction a whole bind names: "aCB1" to "aCB10", "aCB1r" to "aCB10r".
std::optional<MarkerRef> findMarker(std::string_view bind, Case how);

// The slots whose markers a console text names as the game reads it: a marker as a whole word,
// letter case ignored. A word ends at a blank, a tab, a double quote, a ";", the text's end or one
// of the console's one-character words { } ( ) ' , :. A "//" that begins a word starts a comment,
// which names nothing up to the next ";", where the console starts another command.
using SlotSet = std::bitset<slotCount>; // slot n at n - 1
SlotSet slotsNamed(std::string_view text);

// The marker a bind is, letter case ignored, when it names a slot in use; a marker of a free slot
// is plain text.
std::optional<MarkerRef> markerInUse(const CircularTable& table, std::string_view bind);

} // namespace vantrel
