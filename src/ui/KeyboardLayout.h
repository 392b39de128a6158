// Where every button of the keyboard and mouse picture stands, as data.
#pragma once

#include "ui/Geometry.h"

#include <array>
#include <string_view>

namespace vantrel::ui {

struct PictureButton {
    std::string_view name;    // objectName: the button's control name
    std::string_view caption; // empty for key buttons, whose caption comes from the key table
    Twips rect;
};

inline constexpr int keySize = 375;

// 95 keyboard key buttons, the ten unbindable buttons and the seven mouse buttons, in stacking
// order: the "#" key lies over the lower left of Enter.
extern const std::array<PictureButton, 112> pictureButtons;

// The two wheel buttons carry their own font.
inline constexpr std::array<std::string_view, 2> wheelButtons = {"buttonWU", "buttonWD"};

// The two strips that draw the inner corner of the L-shaped Enter key, in front of Enter and "#".
struct CornerStrip {
    Twips rect;
    bool shadow; // the button-shadow colour; otherwise the button-highlight colour
};
inline constexpr std::array<CornerStrip, 2> enterCornerStrips = {{
    {{5050, 1700, 120, 10}, true},
    {{5160, 1715, 10, 365}, false},
}};

// The caption drawn on a picture button.
std::string_view captionOf(const PictureButton& button);

} // namespace vantrel::ui
