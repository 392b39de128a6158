// The ten circular-bind slots and the circular-bind window's working fields, kept for the whole run.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vantrel {

inline constexpr int slotCount = 10;
inline constexpr size_t maxCircularBinds = 7;

// Slots are numbered from 1, as the markers name them; a table of slots holds slot n at index n - 1.
constexpr size_t slotIndex(int slot) {
    return static_cast<size_t>(slot - 1);
}

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
    std::array<CircularSlot, slotCount> slots; // slot n at slotIndex(n)
    std::string lookup;
    std::string lookedup;

    CircularSlot& slot(int n) { return slots[slotIndex(n)]; }
    const CircularSlot& slot(int n) const { return slots[slotIndex(n)]; }
    bool operator==(const CircularTable&) const = default;
};

} // namespace vantrel
