// Every button of the keyboard and mouse picture that has a colour, and the colours they take.
#pragma once

#include "keys/KeyTable.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace vantrel {

// The ten buttons of the picture that belong to no key, with their captions.
struct UnbindableButton {
    std::string_view name;
    std::string_view caption;
};
inline constexpr UnbindableButton escButton{"Command12", "Esc"};
inline constexpr UnbindableButton capsLockButton{"Command17", "Caps"};
inline constexpr UnbindableButton printScreenButton{"Command46", "PS"};
inline constexpr UnbindableButton scrollLockButton{"Command45", "SL"};
inline constexpr UnbindableButton pauseButton{"Command44", "Pa"};
inline constexpr UnbindableButton numLockButton{"Command93", "NL"};
inline constexpr UnbindableButton leftWindowsButton{"Command72", "Win"};
inline constexpr UnbindableButton rightWindowsButton{"Command68", "Win"};
inline constexpr UnbindableButton menuButton{"Command69", "Sel"};
inline constexpr UnbindableButton backslashButton{"keyLSLASH", "\\"};
inline constexpr std::array<UnbindableButton, 10> unbindableButtons = {
    escButton,     capsLockButton,    printScreenButton,  scrollLockButton, pauseButton,
    numLockButton, leftWindowsButton, rightWindowsButton, menuButton,       backslashButton};

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
