// Window geometry as the layouts give it, in twips, and its conversion to pixels (15 twips each).
#pragma once

#include <QRect>
#include <cmath>

namespace vantrel::ui {

inline constexpr int twipsPerPixel = 15;

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline int toPixels(int twips) {
    return static_cast<int>(std::lround(twips / double(twipsPerPixel)));
}

// Both edges are rounded, so rectangles that touch in twips still touch in pixels.
inline QRect toPixels(const Twips& t) {
    const int x = toPixels(t.left);
    const int y = toPixels(t.top);
    return QRect(x, y, toPixels(t.left + t.width) - x, toPixels(t.top + t.height) - y);
}

} // namespace vantrel::ui
