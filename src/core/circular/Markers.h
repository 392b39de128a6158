// Bind markers that tie keys to circular-bind slots, options numbers and the free-slot search.
#pragma once

#include "circular/CircularTable.h"
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

// The slot a whole bind names: the ten forward markers are tested first, then the ten reverse ones.
std::optional<MarkerRef> findMarker(std::string_view bind, Case how);
// Only the forward markers "aCB1" to "aCB10".
std::optional<int> forwardMarkerSlot(std::string_view bind, Case how);

// The lowest-numbered free slot; none when all ten are in use.
std::optional<int> firstFreeSlot(const CircularTable& table);

// The "Stop at ends" states an options number carries.
inline constexpr int kWraps = 0;
inline constexpr int kStopsAtEnds = 1;
inline constexpr int kOneWay = 2;

struct Options {
    int state;
    long long start;
    bool operator==(const Options&) const = default;
};

// The number an options text starts with ("" and text without digits count as 0).
long long optionsValue(std::string_view text);
Options decodeOptions(std::string_view text);
// start + 10 x state as decimal text.
std::string encodeOptions(long long start, int state);

} // namespace vantrel
