// The ten circular-bind slots and the circular-bind window's working fields, kept for the whole run.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vantrel {

inline constexpr int slotCount = 10;
inline constexpr size_t maxCircularBinds = 7;

struct CircularSlot {
    // Bind 1 first. A slot is in use exactly when the list has an entry (an empty entry counts).
    std::vector<std::string> binds;
    std::string k; // forward key identifier
    std::string r; // reverse key identifier; "" = one-way
    std::string o; // options number: start + 10 x state, as decimal text

    bool inUse() const { return !binds.empty(); }
    bool operator==(const CircularSlot&) const = default;
};

struct CircularTable {
    std::string selectkeyr;
    std::array<CircularSlot, slotCount> slots; // slot n is slots[n - 1]
    std::string lookup;
    std::string lookedup;

    CircularSlot& slot(int n) { return slots[static_cast<size_t>(n - 1)]; }
    const CircularSlot& slot(int n) const { return slots[static_cast<size_t>(n - 1)]; }
    bool operator==(const CircularTable&) const = default;
};

} // namespace vantrel
