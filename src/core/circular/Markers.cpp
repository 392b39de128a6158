#include "circular/Markers.h"

#include <limits>

namespace vantrel {

namespace {
constexpr std::string_view markerPrefix = "aCB";
constexpr long long valueCeiling = std::numeric_limits<long long>::max() / 10 - 10;
} // namespace

std::string forwardMarker(int slot) {
    return std::string(markerPrefix) + std::to_string(slot);
}

std::string reverseMarker(int slot) {
    return forwardMarker(slot) + "r";
}

std::optional<MarkerRef> findMarker(std::string_view bind, Case how) {
    if (const auto slot = forwardMarkerSlot(bind, how))
        return MarkerRef{*slot, false};
    for (int n = 1; n <= kSlotCount; ++n)
        if (equals(bind, reverseMarker(n), how))
            return MarkerRef{n, true};
    return std::nullopt;
}

std::optional<int> forwardMarkerSlot(std::string_view bind, Case how) {
    for (int n = 1; n <= kSlotCount; ++n)
        if (equals(bind, forwardMarker(n), how))
            return n;
    return std::nullopt;
}

std::optional<int> firstFreeSlot(const CircularTable& table) {
    for (int n = 1; n <= kSlotCount; ++n)
        if (!table.slot(n).inUse())
            return n;
    return std::nullopt;
}

long long optionsValue(std::string_view text) {
    text = trimLeft(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        if (value < valueCeiling) // a run of digits too long to mean anything stays huge
            value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

Options decodeOptions(std::string_view text) {
    const long long o = optionsValue(text);
    if (o > 20)
        return {kOneWay, o - 20};
    if (o > 10)
        return {kStopsAtEnds, o - 10};
    if (o > 0)
        return {kWraps, o};
    return {kOneWay, 1};
}

std::string encodeOptions(long long start, int state) {
    return std::to_string(start + 10LL * state);
}

} // namespace vantrel
