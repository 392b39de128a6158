#include "circular/Markers.h"

namespace vantrel {

namespace {
constexpr std::string_view markerPrefix = "aCB";
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

std::optional<MarkerRef> markerInUse(const CircularTable& table, std::string_view bind) {
    const std::optional<MarkerRef> marker = findMarker(bind, Case::Ignore);
    if (marker && table.slot(marker->slot).inUse())
        return marker;
    return std::nullopt;
}

} // namespace vantrel
