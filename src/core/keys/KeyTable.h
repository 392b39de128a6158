// The fixed key table: every key of the picture by its six names (identifier, button, caption, shown
// name, console name, hold alias suffix), and the orders keys are visited in.
#pragma once

#include "text/Text.h"

#include <array>
#include <optional>
#include <string_view>

namespace vantrel {

struct KeyRow {
    std::string_view id;      // key identifier, kept in selectkey and the circular-bind slots
    std::string_view button;  // the button that selects the key; empty for a dead identifier
    std::string_view button2; // the right-hand button of Alt, Control and Shift
    std::string_view caption;
    std::string_view display; // shown in ckeybox and the circular-bind window
    std::string_view game;    // name in the game's console syntax
    std::string_view suffix;  // follows "+a" / "-a" in the key's hold alias names
    int filePos;              // 1 to 99; 0 for a dead identifier

    constexpr bool live() const { return filePos != 0; }
};

inline constexpr size_t keyCount = 103;
inline constexpr size_t liveKeyCount = 99;
inline constexpr size_t pairedKeyCount = 3; // Alt, Control and Shift have a right-hand button too

using KeyIndex = size_t; // position in declaration order

// Rows in declaration order.
extern const std::array<KeyRow, keyCount> keyTable;

// Live keys in file order (F1 to F12 first): the order of the saved file's blocks.
const std::array<KeyIndex, liveKeyCount>& fileOrder();
// All identifiers, "f1" to "f12" first, dead identifiers included.
const std::array<KeyIndex, keyCount>& identifierOrder();
// Live keys in declaration order: the order of the name lookups.
const std::array<KeyIndex, liveKeyCount>& displayOrder();

std::optional<KeyIndex> keyById(std::string_view id, Case how);
std::optional<KeyIndex> keyByDisplay(std::string_view display, Case how);
// The key a picture button selects (a right-hand button selects the left key); none for other buttons.
std::optional<KeyIndex> keyByButton(std::string_view button);
// The live key of a console name, or of a hold alias suffix, letter case ignored. Asked of every
// line of an opened file, so they are looked up, not searched for.
std::optional<KeyIndex> keyByGame(std::string_view game);
std::optional<KeyIndex> keyBySuffix(std::string_view suffix);

} // namespace vantrel
