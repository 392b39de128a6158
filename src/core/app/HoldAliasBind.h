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

bool isHoldAliasBind(std::string_view bind);

} // namespace vantrel
