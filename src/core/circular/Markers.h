// Bind markers that tie keys to circular-bind slots.
#pragma once

#include "circular/CircularTable.h"
#include "circular/Options.h"
#include "text/Text.h"

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

// The marker a bind is, letter case ignored, when it names a slot in use; a marker of a free slot
// is plain text.
std::optional<MarkerRef> markerInUse(const CircularTable& table, std::string_view bind);

} // namespace vantrel
