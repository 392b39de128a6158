// The seven texts slot10 holds for the factors 1 to 7, the alias they call and the default factor:
// the Slot10 Settings window stores them, the writer defines the alias and the reader finds both.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vantrel {

// The alias slot10 calls; the file defines it as the Slot10s string.
inline constexpr std::string_view slot10sAlias = "slot10s";
inline constexpr std::size_t factorCount = 7;
inline constexpr std::size_t defaultFactor = 5;

namespace detail {
inline constexpr std::size_t callLength = slot10sAlias.size() + 1; // with the ";" before the next
inline constexpr std::size_t allCallsLength = factorCount * callLength - 1;
// The seven calls joined by ";", of which each factor's text is the start.
inline constexpr auto slot10Calls = [] {
    std::array<char, allCallsLength> text{};
    std::size_t at = 0;
    for (std::size_t n = 0; n < factorCount; ++n) {
        if (n > 0)
            text[at++] = ';';
        for (char c : slot10sAlias)
            text[at++] = c;
    }
    return text;
}();
} // namespace detail

// Factor n is held in slot10 as n calls of the slot10s alias joined by ";".
inline constexpr std::array<std::string_view, factorCount> slot10Factors = [] {
    std::array<std::string_view, factorCount> texts{};
    for (std::size_t n = 1; n <= factorCount; ++n)
        texts[n - 1] = std::string_view(detail::slot10Calls.data(), n * detail::callLength - 1);
    return texts;
}();

inline constexpr std::string_view defaultSlot10 = slot10Factors[defaultFactor - 1];

} // namespace vantrel
