// The radio list's items and the command each one buys into the bind.
#pragma once

#include <array>
#include <string_view>

namespace vantrel {

struct RadioCommand {
    std::string_view name; // the list item
    std::string_view command;
};

// Provisional: the full table has 22 rows, "None" first.
inline constexpr std::array<RadioCommand, 2> radioCommandTable = {{{"None", ""}, {"Go", "radio2;menuselect 1;"}}};

} // namespace vantrel
