#include "keys/Buttons.h"

#include <algorithm>
#include <stdexcept>

namespace vantrel {

namespace {

size_t indexOf(std::string_view button) {
    const auto& all = ButtonColours::buttons();
    const auto it = std::find(all.begin(), all.end(), button);
    if (it == all.end())
        throw std::invalid_argument("no coloured button named " + std::string(button));
    return static_cast<size_t>(it - all.begin());
}

} // namespace

const std::array<std::string_view, colouredButtonCount>& ButtonColours::buttons() {
    static const auto all = [] {
        std::array<std::string_view, colouredButtonCount> out{};
        size_t n = 0;
        for (const KeyRow& row : keyTable) {
            if (!row.live())
                continue;
            out[n++] = row.button;
            if (!row.button2.empty())
                out[n++] = row.button2;
        }
        for (const UnbindableButton& b : unbindableButtons)
            out[n++] = b.name;
        out[n++] = circularBindButton;
        return out;
    }();
    return all;
}

ButtonColours::ButtonColours() {
    colours_.fill(Colour::Unbound);
    for (const UnbindableButton& b : unbindableButtons)
        colours_[indexOf(b.name)] = Colour::Unbindable;
}

Colour ButtonColours::of(std::string_view button) const {
    return colours_[indexOf(button)];
}

void ButtonColours::paint(std::string_view button, Colour colour) {
    colours_[indexOf(button)] = colour;
}

void ButtonColours::paintKey(KeyIndex key, Colour colour) {
    const KeyRow& row = keyTable[key];
    if (!row.live())
        return;
    paint(row.button, colour);
    if (!row.button2.empty())
        paint(row.button2, colour);
}

} // namespace vantrel
