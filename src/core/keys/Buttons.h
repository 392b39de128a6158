// Every button of the keyboard and mouse picture that has a colour, and the colours they take.
#pragma once

#include "keys/KeyTable.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace vantrel {

// The ten buttons of the picture that belong to no key.
inline constexpr std::array<std::string_view, 10> unbindableButtons = {
    "Command12", "Command17", "Command46", "Command45", "Command44",
    "Command93", "Command72", "Command68", "Command69", "keyLSLASH"};

inline constexpr std::string_view circularBindButton = "circularbind";

// The 102 key buttons, the ten unbindable buttons and "Circular Bind".
inline constexpr size_t colouredButtonCount = liveKeyCount + pairedKeyCount + unbindableButtons.size() + 1;

enum class Colour : std::uint8_t { Unbound, Selection, Bound, Unbindable };

// The background colour of every coloured button: 102 key buttons, the ten unbindable
// buttons and "Circular Bind". Colours are state: some operations paint single buttons.
class ButtonColours {
  public:
    ButtonColours();

    Colour of(std::string_view button) const;
    void paint(std::string_view button, Colour colour);
    // Paints the key's button, or both buttons of Alt, Control and Shift.
    void paintKey(KeyIndex key, Colour colour);

    static const std::array<std::string_view, colouredButtonCount>& buttons();

  private:
    std::array<Colour, colouredButtonCount> colours_;
};

} // namespace vantrel
