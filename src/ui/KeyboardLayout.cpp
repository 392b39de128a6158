#include "ui/KeyboardLayout.h"

#include "keys/Buttons.h"
#include "keys/KeyTable.h"

namespace vantrel::ui {

namespace {

constexpr int row1 = 515, row2 = 995, row3 = 1355, row4 = 1715, row5 = 2075, row6 = 2435;
constexpr int wide = 495;     // Tab, Shift, Ctrl, Win, Alt, Sel, Esc
constexpr int tall = 735;     // Enter and the keypad's "+" and "Ent"
constexpr int padWide = 735;  // keypad 0 and Backspace
constexpr int capsWide = 615; // Caps and Enter

constexpr PictureButton key(std::string_view name, int left, int top, int width = keySize,
                            int height = keySize) {
    return {name, {}, {left, top, width, height}};
}

constexpr PictureButton grey(const UnbindableButton& button, int left, int top, int width = keySize) {
    return {button.name, button.caption, {left, top, width, keySize}};
}

} // namespace

// clang-format off
const std::array<PictureButton, 112> pictureButtons = {{
    grey(escButton, 240, row1, wide),
    key("keyf1", 1080, row1), key("keyf2", 1440, row1), key("keyf3", 1800, row1), key("keyf4", 2160, row1),
    key("keyf5", 2640, row1), key("keyf6", 3000, row1), key("keyf7", 3360, row1), key("keyf8", 3720, row1),
    key("keyf9", 4200, row1), key("keyf10", 4560, row1), key("keyf11", 4920, row1), key("keyf12", 5280, row1),
    grey(printScreenButton, 5760, row1), grey(scrollLockButton, 6120, row1), grey(pauseButton, 6480, row1),

    key("keyconsole", 240, row2),
    key("key1", 600, row2), key("key2", 960, row2), key("key3", 1320, row2), key("key4", 1680, row2),
    key("key5", 2040, row2), key("key6", 2400, row2), key("key7", 2760, row2), key("key8", 3120, row2),
    key("key9", 3480, row2), key("key0", 3840, row2),
    key("keyminus", 4200, row2), key("keyequals", 4560, row2), key("keyback", 4920, row2, padWide),
    key("keyINSERT", 5760, row2), key("keyHOME", 6120, row2), key("keyPU", 6480, row2),
    grey(numLockButton, 6960, row2),
    key("keypadslash", 7320, row2), key("keypadstar", 7680, row2), key("keypadminus", 8040, row2),

    key("keytab", 240, row3, wide),
    key("keyQ", 720, row3), key("keyW", 1080, row3), key("keyE", 1440, row3), key("keyR", 1800, row3),
    key("keyT", 2160, row3), key("keyY", 2520, row3), key("keyU", 2880, row3), key("keyI", 3240, row3),
    key("keyO", 3600, row3), key("keyP", 3960, row3),
    key("keyleftbracket", 4320, row3), key("keyrightbracket", 4680, row3),
    key("keyLENTER", 5040, row3, capsWide, tall),
    key("keyDELETE", 5760, row3), key("keyEND", 6120, row3), key("keyPD", 6480, row3),
    key("keypad7", 6960, row3), key("keypad8", 7320, row3), key("keypad9", 7680, row3),

    grey(capsLockButton, 240, row4, capsWide),
    key("keyA", 840, row4), key("keyS", 1200, row4), key("keyD", 1560, row4), key("keyF", 1920, row4),
    key("keyG", 2280, row4), key("keyH", 2640, row4), key("keyJ", 3000, row4), key("keyK", 3360, row4),
    key("keyL", 3720, row4),
    key("keysemicolon", 4080, row4), key("keyquote", 4440, row4), key("keyhash", 4800, row4),
    key("keypad4", 6960, row4), key("keypad5", 7320, row4), key("keypad6", 7680, row4),
    key("keypadplus", 8040, row3, keySize, tall),

    key("keyLSHIFT", 240, row5, wide), grey(backslashButton, 720, row5),
    key("keyZ", 1080, row5), key("keyX", 1440, row5), key("keyC", 1800, row5), key("keyV", 2160, row5),
    key("keyB", 2520, row5), key("keyN", 2880, row5), key("keyM", 3240, row5),
    key("keycomma", 3600, row5), key("keyfullstop", 3960, row5), key("keyRSLASH", 4320, row5),
    key("keyRSHIFT", 4680, row5, 975), key("keyUP", 6120, row5),
    key("keypad1", 6960, row5), key("keypad2", 7320, row5), key("keypad3", 7680, row5),

    key("keyLCONTROL", 240, row6, wide), grey(leftWindowsButton, 720, row6, wide),
    key("keyLALT", 1200, row6, wide), key("keyspace", 1680, row6, 2055),
    key("keyRALT", 3720, row6, wide), grey(rightWindowsButton, 4200, row6, wide),
    grey(menuButton, 4680, row6, wide), key("keyRCONTROL", 5160, row6, wide),
    key("keyLEFT", 5760, row6), key("keyDOWN", 6120, row6), key("keyRIGHT", 6480, row6),
    key("keypad0", 6960, row6, padWide), key("keypaddot", 7680, row6),
    key("keypadenter", 8040, row5, keySize, tall),

    key("button1", 6360, 3395, 615, 855),
    key("buttonWU", 6960, 3275, 735, 375), key("button3", 6960, 3635, 735, 375),
    key("buttonWD", 6960, 3995, 735, 375),
    key("button2", 7680, 3395, 615, 855),
    key("button4", 6360, 4475, 615, 615), key("button5", 7680, 4475, 615, 615),
}};
// clang-format on

std::string_view captionOf(const PictureButton& button) {
    if (!button.caption.empty())
        return button.caption;
    const auto key = keyByButton(button.name);
    return key ? keyTable[*key].caption : std::string_view();
}

} // namespace vantrel::ui
