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
// order: neighbouring keys share an edge pixel, and the key to the right or below lies over it,
// so only light edges show between keys (the keypad's tall keys follow the keys to their left,
// and mouse button 2 follows the wheel column); the "#" key lies over the lower left of Enter.
extern const std::array<PictureButton, 112> pictureButtons;

// The strip that draws the left edge of the L-shaped Enter key's lower part in the light edge
// colour, in front of the dark right edge of "#", which lies in Enter's corner.
inline constexpr Twips enterCornerStrip{5160, 1715, 10, 365};

// The caption drawn on a picture button.
std::string_view captionOf(const PictureButton& button);

} // namespace vantrel::ui
