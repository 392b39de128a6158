// The radio list's items and the command each one puts into the bind.
#pragma once

#include "text/Text.h"

#include <array>
#include <string_view>

namespace vantrel {

struct RadioCommand {
    std::string_view name; // the list item
    std::string_view command;
};

// In list order, "None" first. Each command is "radio" G ";menuselect " M ";": menu G, item M.
inline constexpr std::array<RadioCommand, 22> radioCommandTable = {{
    {"None", ""},
    {"Cover Me", "radio1;menuselect 1;"},
    {"You Take the Point", "radio1;menuselect 2;"},
    {"Hold This Position", "radio1;menuselect 3;"},
    {"Regroup Team", "radio1;menuselect 4;"},
    {"Follow Me", "radio1;menuselect 5;"},
    {"Taking Fire, Need Assistance", "radio1;menuselect 6;"},
    {"Go", "radio2;menuselect 1;"},
    {"Fall Back", "radio2;menuselect 2;"},
    {"Stick Together Team", "radio2;menuselect 3;"},
    {"Get in Position", "radio2;menuselect 4;"},
    {"Storm the Front", "radio2;menuselect 5;"},
    {"Report In", "radio2;menuselect 6;"},
    {"Affirmative/Roger", "radio3;menuselect 1;"},
    {"Enemy Spotted", "radio3;menuselect 2;"},
    {"Need Backup", "radio3;menuselect 3;"},
    {"Sector Clear", "radio3;menuselect 4;"},
    {"I'm in Position", "radio3;menuselect 5;"},
    {"Reporting In", "radio3;menuselect 6;"},
    {"She's gonna Blow!", "radio3;menuselect 7;"},
    {"Negative", "radio3;menuselect 8;"},
    {"Enemy Down", "radio3;menuselect 9;"},
}};

inline constexpr std::string_view noRadioItem = "None";

// The first row whose item equals the text, compared as the caller's rule says; null for none.
inline const RadioCommand* radioCommandByItem(std::string_view item, Case how) {
    for (const RadioCommand& row : radioCommandTable)
        if (equals(row.name, item, how))
            return &row;
    return nullptr;
}

} // namespace vantrel
