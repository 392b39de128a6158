#include "app/Slot10Factors.h"

#include "circular/Markers.h"
#include "text/Console.h"
#include "text/Text.h"

namespace vantrel {

namespace {

bool containsIgnoreCase(std::string_view text, std::string_view needle) {
    return findIgnoreCase(text, needle) != std::string_view::npos;
}

} // namespace

std::optional<std::string_view> factorSetBy(std::string_view line) {
    // Most lines hold no "slot10s": they are passed over before they are read as an alias.
    if (!startsWithIgnoreCase(line, "alias") || !containsIgnoreCase(line, slot10Factors.front()))
        return std::nullopt;
    const std::optional<AliasLine> alias = aliasLine(line);
    if (alias && (looksLikeMarker(alias->name) || equalsIgnoreCase(alias->name, slot10sAlias)))
        return std::nullopt;
    // A line holding a run holds every shorter one.
    std::string_view factor = slot10Factors.front();
    for (std::string_view run : slot10Factors)
        if (containsIgnoreCase(line, run))
            factor = run;
    return factor;
}

} // namespace vantrel
