// Between a slot's binds list and the circular-bind window's seven bind boxes.
#pragma once

#include "circular/CircularTable.h"
#include "circular/Options.h"
#include "text/Text.h"

#include <array>
#include <string>
#include <vector>

namespace vantrel {

using BindBoxes = std::array<std::string, maxCircularBinds>; // Text1 to Text7

// What Save and Close stores: each box trimmed of spaces and of one final ";" (and the spaces
// before it), up to the first empty box.
std::vector<std::string> bindsListFromBoxes(const BindBoxes& boxes);

// What the window shows: the entries without their trailing spaces (and, after the first, without
// their leading ones), empty entries skipped, filling stopped once Text7 has been reached.
BindBoxes boxesFromBindsList(const std::vector<std::string>& binds);

// The number of binds shown: the highest box that is not empty.
int bindsShown(const BindBoxes& boxes);

// The reverse view: box k shows what box N + 1 - k held.
void mirrorBoxes(BindBoxes& boxes);

// The start the window shows for `options` over `shown` binds, the line the saved chain starts at
// (chainStart): in the reverse direction the mirrored position of the forward start, and "1" when
// the options name no start.
std::string startShown(const std::string& options, int shown, bool reverse);

} // namespace vantrel
