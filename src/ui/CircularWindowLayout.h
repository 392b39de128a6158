// The circular-bind window's controls as data: name, kind, caption, place in twips, tab place.
#pragma once

#include "ui/DialogTable.h"

#include <array>

namespace vantrel::ui {

inline constexpr int form6Width = 6690;
inline constexpr int form6Height = 4680;

// The frame is listed before the controls that lie over it, so that they stay on top.
// clang-format off
inline constexpr std::array<ControlSpec, 28> circularWindowControls = {{
    {"reverselabel", ControlKind::Label,
     "This is the reverse of a two-way circular bind, edit it in the forward direction.", 120, 120, 6615, 255, 22},
    {"Label1", ControlKind::Label, "bind 1", 120, 600, 495, 255, 8},
    {"Label2", ControlKind::Label, "bind 2", 120, 1080, 495, 255, 9},
    {"Label3", ControlKind::Label, "bind 3", 120, 1560, 495, 255, 10},
    {"Label4", ControlKind::Label, "bind 4", 120, 2040, 495, 255, 11},
    {"Label5", ControlKind::Label, "bind 5", 120, 2520, 495, 255, 12},
    {"Label6", ControlKind::Label, "bind 6", 120, 3000, 495, 255, 13},
    {"Label7", ControlKind::Label, "bind 7", 120, 3480, 495, 255, 14},
    {"Text1", ControlKind::TextBox, "", 720, 600, 4215, 285, 0},
    {"Text2", ControlKind::TextBox, "", 720, 1080, 4215, 285, 1},
    {"Text3", ControlKind::TextBox, "", 720, 1560, 4215, 285, 2},
    {"Text4", ControlKind::TextBox, "", 720, 2040, 4215, 285, 3},
    {"Text5", ControlKind::TextBox, "", 720, 2520, 4215, 285, 4},
    {"Text6", ControlKind::TextBox, "", 720, 3000, 4215, 285, 5},
    {"Text7", ControlKind::TextBox, "", 720, 3480, 4215, 285, 6},
    {"Frame1", ControlKind::Frame, "Two way binding", 5040, 600, 1575, 2175, 24},
    // Start at bind and Stop at ends are as wide as their captions need in the windows' font;
    // the frame is free to their right.
    {"Label10", ControlKind::Label, "Start at bind:", 120, 840, 1095, 255, 25, "Frame1"},
    {"Label9", ControlKind::Label, "Reverse key:", 120, 1440, 975, 255, 26, "Frame1"},
    // Two way is as tall as its indicator, which a shorter box would cut off at the bottom.
    {"Check1", ControlKind::CheckBox, "Two way", 5160, 840, 1215, 210, 19},
    {"Check2", ControlKind::CheckBox, "Stop at ends", 5160, 1080, 1335, 255, 20},
    {"Combo3", ControlKind::DropDownCombo, "", 5160, 1680, 1335, 315, 23},
    {"Combo2", ControlKind::DropDownCombo, "", 5160, 2280, 1335, 315, 18},
    // Wide enough for the whole caption in the window's font; the space to its right is free up to
    // Clear all.
    {"Label8", ControlKind::Label, "template", 120, 3960, 1215, 255, 16},
    {"Combo1", ControlKind::DropDownList, "", 120, 4200, 1935, 315, 15},
    {"Command4", ControlKind::Button, "Help", 5400, 3000, 975, 495, 27},
    {"Command2", ControlKind::Button, "Clear all", 2400, 4080, 975, 495, 17},
    {"Command1", ControlKind::Button, "Close", 4200, 4080, 975, 495, 7},
    {"Command3", ControlKind::Button, "Save and Close", 5400, 4080, 975, 495, 21},
}};
// clang-format on

} // namespace vantrel::ui
