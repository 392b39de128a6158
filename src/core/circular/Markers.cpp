#include "circular/Markers.h"

#include "text/Console.h"

namespace vantrel {

namespace {
constexpr std::string_view markerPrefix = "aCB";
constexpr char reverseSuffix = 'r';
constexpr std::string_view lineWord = "line";
} // namespace

std::string forwardMarker(int slot) {
    return std::string(markerPrefix) + std::to_string(slot);
}

std::string reverseMarker(int slot) {
    return forwardMarker(slot) + reverseSuffix;
}

std::string markerName(MarkerRef marker) {
    return marker.reverse ? reverseMarker(marker.slot) : forwardMarker(marker.slot);
}

std::string chainLineName(MarkerRef chain, long long k) {
    return markerName(chain) + std::string(lineWord) + std::to_string(k);
}

// Read rather than compared with the names in turn: the writer and the rules ask for every key's
// bind, and building twenty texts for each question is most of their time.
std::optional<ChainName> chainName(std::string_view name) {
    if (!startsWithIgnoreCase(name, markerPrefix))
        return std::nullopt;
    name.remove_prefix(markerPrefix.size());
    if (name.empty() || name.front() < '1' || name.front() > '9')
        return std::nullopt;
    int slot = name.front() - '0';
    name.remove_prefix(1);
    if (slot == 1 && !name.empty() && name.front() == '0') {
        slot = slotCount;
        name.remove_prefix(1);
    }
    const bool reverse = !name.empty() && foldAscii(name.front()) == reverseSuffix;
    if (reverse)
        name.remove_prefix(1);
    if (name.empty())
        return ChainName{{slot, reverse}, 0};
    if (name.size() != lineWord.size() + 1 || !startsWithIgnoreCase(name, lineWord))
        return std::nullopt;
    const int k = name.back() - '0';
    if (k < firstLine || k > lastLine)
        return std::nullopt;
    return ChainName{{slot, reverse}, k};
}

std::optional<MarkerRef> findMarker(std::string_view text) {
    const std::optional<ChainName> name = chainName(text);
    if (!name || name->line != 0)
        return std::nullopt;
    return name->chain;
}

bool looksLikeMarker(std::string_view text) {
    return startsWithIgnoreCase(text, markerPrefix);
}

SlotSet slotsNamed(std::string_view text) {
    SlotSet slots;
    forEachRunWord(text, [&slots](std::string_view word) {
        if (const std::optional<ChainName> name = chainName(word))
            slots.set(slotIndex(name->chain.slot));
    });
    return slots;
}

std::optional<MarkerRef> markerInUse(const CircularTable& table, std::string_view bind) {
    const std::optional<MarkerRef> marker = findMarker(bind);
    if (marker && table.slot(marker->slot).inUse())
        return marker;
    return std::nullopt;
}

} // namespace vantrel
