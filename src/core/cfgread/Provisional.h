// Provisional: stands in for the writer's hold alias test and store reset until they are on main.
#pragma once

#include "app/Editor.h"
#include "text/Text.h"

#include <array>
#include <string_view>

namespace vantrel::provisional {

inline constexpr std::array<std::string_view, 5> HoldAliasPatterns = {
    "*buy;menuselect*", "*buyequip*", "*radio?;menuselect*", "*radio?; menuselect*", "*say*"};

inline bool isHoldAliasBind(std::string_view bind) {
    for (std::string_view p : HoldAliasPatterns)
        if (like(bind, p))
            return true;
    return false;
}

inline void resetallbinds(Editor& editor) {
    for (std::string& s : editor.store)
        s.clear();
    editor.ssettings.clear();
    editor.parts = {};
    editor.srconport.clear();
    editor.srconpass.clear();
    for (CircularSlot& slot : editor.form6.slots)
        slot = {};
    editor.form6.lookup.clear();
    editor.form6.lookedup.clear();
    for (KeyIndex key : fileOrder())
        editor.colours.paintKey(key, Colour::Unbound);
}

} // namespace vantrel::provisional
