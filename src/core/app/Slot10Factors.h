// The seven texts slot10 holds for the factors 1 to 7: the Slot10 Settings window stores them and
// the reader finds them in an opened file.
#pragma once

#include <array>
#include <string_view>

namespace vantrel {

// Factor n is held in slot10 as n calls of the slot10s alias joined by ";".
inline constexpr std::array<std::string_view, 7> slot10Factors = {
    "slot10s",
    "slot10s;slot10s",
    "slot10s;slot10s;slot10s",
    "slot10s;slot10s;slot10s;slot10s",
    "slot10s;slot10s;slot10s;slot10s;slot10s",
    "slot10s;slot10s;slot10s;slot10s;slot10s;slot10s",
    "slot10s;slot10s;slot10s;slot10s;slot10s;slot10s;slot10s",
};

} // namespace vantrel
