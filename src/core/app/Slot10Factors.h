// The seven texts slot10 holds for the factors 1 to 7, the alias they call and the default factor:
// the Slot10 Settings window stores them, the writer defines the alias and the reader finds both.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vantrel {

// The alias slot10 calls; the file defines it as the Slot10s string.
inline constexpr std::string_view slot10sAlias = "slot10s";
inline constexpr std::size_t factorCount = 7;
inline constexpr std::size_t defaultFactor = 5;

// Factor n is held in slot10 as n calls of the slot10s alias joined by ";".
inline constexpr std::array<std::string_view, factorCount> slot10Factors = {
    "slot10s",
    "slot10s;slot10s",
    "slot10s;slot10s;slot10s",
    "slot10s;slot10s;slot10s;slot10s",
    "slot10s;slot10s;slot10s;slot10s;slot10s",
    "slot10s;slot10s;slot10s;slot10s;slot10s;slot10s",
    "slot10s;slot10s;slot10s;slot10s;slot10s;slot10s;slot10s",
};
// Each factor is the one before it with one more call of the alias.
static_assert([] {
    std::string_view before;
    for (const std::string_view factor : slot10Factors) {
        std::string_view added = factor;
        if (!before.empty()) {
            if (!added.starts_with(before) || added.substr(before.size(), 1) != ";")
                return false;
            added.remove_prefix(before.size() + 1);
        }
        if (added != slot10sAlias)
            return false;
        before = factor;
    }
    return true;
}());

inline constexpr std::string_view defaultSlot10 = slot10Factors[defaultFactor - 1];

// The factor an alias line sets as Open reads it: the longest run of copies of "slot10s" joined by
// ";" that the line holds, at most seven, in lower case, for an alias other than the Slot10
// string's and a chain's; none for any other line. A file's factor is that of its last such line.
std::optional<std::string_view> factorSetBy(std::string_view line);

} // namespace vantrel
