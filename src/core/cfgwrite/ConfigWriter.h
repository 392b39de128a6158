// The configuration file writer: the editor's store and settings in, the file's bytes out.
#pragma once

#include "app/Editor.h"

#include <array>
#include <string>
#include <string_view>

namespace vantrel {

// Binds that open a game menu or the chat line: written as a press and release alias pair, so
// that releasing the key runs slot10 and closes the menu. Letter case is ignored.
inline constexpr std::array<std::string_view, 5> HoldAliasPatterns = {
    "*buy;menuselect*", "*buyequip*", "*radio?;menuselect*", "*radio?; menuselect*", "*say*"};

bool isHoldAliasBind(std::string_view bind);

// The whole file: rcon lines, slot10s alias, kept lines, then one block per live key in file
// order. Every line ends in CR LF; texts are written as the bytes stored.
std::string writeConfig(const Editor& editor);

} // namespace vantrel
