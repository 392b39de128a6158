// Which binds are held rather than pressed: the writer writes them as a press and release alias
// pair, and the reader takes such a pair back apart.
#pragma once

#include <array>
#include <string_view>

namespace vantrel {

// Binds that open a game menu or the chat line: written as a press and release alias pair, so
// that releasing the key runs slot10 and closes the menu. Letter case is ignored.
inline constexpr std::array<std::string_view, 5> holdAliasPatterns = {
    "*buy;menuselect*", "*buyequip*", "*radio?;menuselect*", "*radio?; menuselect*", "*say*"};

// True when the bind matches one of the patterns: every pair the editor has written holds such a
// press text, so the reader takes a pair with one back apart.
bool matchesHoldPattern(std::string_view bind);

// True when the writer writes the bind as a pair: it matches a pattern and presses nothing. A
// command that begins with "+" would be pressed inside the pair and never released, so such a bind
// is written plain and the game releases it with the key.
bool isHoldAliasBind(std::string_view bind);

} // namespace vantrel
