#include "circular/Markers.h"

namespace vantrel {

namespace {
constexpr std::string_view markerPrefix = "aCB";
constexpr std::string_view reverseSuffix = "r";
} // namespace

std::string forwardMarker(int slot) {
    return std::string(markerPrefix) + std::to_string(slot);
}

std::string reverseMarker(int slot) {
    return forwardMarker(slot) + "r";
}

// Read rather than compared with the twenty markers in turn: the writer and the rules ask for
// every key's bind, and building twenty texts for each question is most of their time.
std::optional<MarkerRef> findMarker(std::string_view bind, Case how) {
    if (bind.size() <= markerPrefix.size() || !equals(bind.substr(0, markerPrefix.size()), markerPrefix, how))
        return std::nullopt;
    std::string_view number = bind.substr(markerPrefix.size());
    const bool reverse = equals(number.substr(number.size() - 1), reverseSuffix, how);
    if (reverse)
        number.remove_suffix(1);
    if (number == "10")
        return MarkerRef{slotCount, reverse};
    if (number.size() == 1 && number[0] >= '1' && number[0] <= '9')
        return MarkerRef{number[0] - '0', reverse};
    return std::nullopt;
}

SlotSet slotsNamed(std::string_view text) {
    const auto isWordEnd = [](char c) {
        return isBlank(c) || std::string_view("\";{}()',:").find(c) != std::string_view::npos;
    };
    SlotSet slots;
    size_t at = 0;
    while (at < text.size()) {
        if (isWordEnd(text[at])) {
            ++at;
        } else if (text.substr(at, 2) == "//") {
            at = std::min(text.find(';', at), text.size());
        } else {
            size_t end = at;
            while (end < text.size() && !isWordEnd(text[end]))
                ++end;
            if (const auto marker = findMarker(text.substr(at, end - at), Case::Ignore))
                slots.set(static_cast<size_t>(marker->slot - 1));
            at = end;
        }
    }
    return slots;
}

std::optional<MarkerRef> markerInUse(const CircularTable& table, std::string_view bind) {
    const std::optional<MarkerRef> marker = findMarker(bind, Case::Ignore);
    if (marker && table.slot(marker->slot).inUse())
        return marker;
    return std::nullopt;
}

} // namespace vantrel
