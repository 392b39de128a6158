// The main window's frame as data: its client area, the group boxes, the labels and the three
// command buttons of the buy box.
#pragma once

#include "ui/Geometry.h"

#include <array>
#include <string_view>

namespace vantrel::ui {

inline constexpr int clientWidth = 8625; // twips, below the menu bar
inline constexpr int clientHeight = 7920;

// A group box: a rectangle of 2-pixel lines with its title over a gap in the top edge.
struct GroupBox {
    std::string_view title; // empty: no title and no gap
    int left, top, right, bottom;
    int titleLeft, titleTop;
};
inline constexpr std::array<GroupBox, 11> groupBoxes = {{
    {"keyboard", 120, 270, 8520, 2910, 360, 150},
    {"current bind", 120, 3150, 5880, 3630, 360, 3030},
    {"mouse", 6120, 3150, 8520, 5190, 6360, 3030},
    {"communications", 6120, 5310, 8520, 7470, 6360, 5190},
    {"buy", 120, 3870, 5880, 7800, 360, 3750},
    {"pistols", 240, 4110, 1440, 6030, 480, 3990},
    {"guns", 1560, 4110, 4440, 6270, 1800, 3990},
    // Wider than the pistols box above it: in the windows' font its caption would otherwise cover
    // the whole top edge; the space to its right is free up to the equipment box.
    {"pistol ammo", 240, 6270, 1500, 6870, 360, 6150},
    {"gun ammo", 240, 7110, 1440, 7710, 360, 6990},
    {"equipment", 1560, 6510, 5760, 7710, 1800, 6390},
    {"", 4560, 3870, 5880, 6270, 0, 0},
}};
inline constexpr std::string_view keyboardGroup = "keyboard";

// The banner sits over the keyboard group's top edge, which stops for it.
inline constexpr Twips bannerRect{2640, 0, 3345, 465};

// Labels in the light text colour.
enum class Align { Left, Centre };
struct TextLabel {
    std::string_view name;
    std::string_view caption;
    Twips rect;
    bool bold;
    Align align;
};
inline constexpr std::array<TextLabel, 3> windowLabels = {{
    {"ckeylabel", "Current Key:", {6960, 390, 1455, 255}, true, Align::Centre},
    {"ckeybox", "none", {6960, 630, 1455, 255}, true, Align::Centre},
    {"comlabel", "Radio / Messages / Rcon say", {6240, 5430, 2175, 255}, false, Align::Left},
}};

struct WindowButton {
    std::string_view name;
    std::string_view caption;
    Twips rect;
};
inline constexpr std::array<WindowButton, 3> buyButtons = {{
    {"savetokey", "Save to key", {4800, 4115, 855, 495}},
    {"clearkey", "Clear Key", {4800, 4835, 855, 495}},
    {"circularbind", "Circular Bind", {4800, 5555, 855, 495}},
}};

} // namespace vantrel::ui
