// "Save to key": stores cbind on the selected key, warning first about a bind the game cuts off.
#pragma once

#include "app/Editor.h"

#include <string_view>

namespace vantrel {

// A bind of this many characters or more draws the length warning.
inline constexpr size_t longBindLength = 232;

inline constexpr const char* longBindWarning =
    "The current bind is too long and so might not work properly. Do you want to see the help file?";
inline constexpr const char* longBindTitle = "Error";

// The number of characters the user sees in a text: UTF-8 code points, where each byte that
// belongs to no valid sequence counts as one character.
size_t characterCount(std::string_view text);

// Stores cbind on the selected key (read through the pair it presses, see SavedBinds::throughPairs,
// and shown so in cbind) and settles the circular binds the key's old bind belonged to. Warns
// first when the text stored is long, and refuses a text that would make a circular bind run its
// own chain.
void savetokey_Click(Editor& editor);

} // namespace vantrel
