// Letterbox arithmetic.
#include "gui/sdl/Letterbox.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

Letterbox Letterbox::Fit(int width, int height) {
    Letterbox box;
    if (width <= 0 || height <= 0)
        return box;
    box.scale = std::min(static_cast<double>(width) / kDesignWidth,
                         static_cast<double>(height) / kDesignHeight);
    box.offsetX = static_cast<int>(std::lround((width - kDesignWidth * box.scale) / 2));
    box.offsetY = static_cast<int>(std::lround((height - kDesignHeight * box.scale) / 2));
    return box;
}

Point Letterbox::ToDesign(Point window) const {
    return {static_cast<int>(std::floor((window.x - offsetX) / scale)),
            static_cast<int>(std::floor((window.y - offsetY) / scale))};
}

Rect Letterbox::ToWindow(Rect design, double shiftX, double shiftY) const {
    auto edge = [&](int v, double shift, int offset) {
        return offset + static_cast<int>(std::lround((v + shift) * scale));
    };
    const int x0 = edge(design.x, shiftX, offsetX);
    const int y0 = edge(design.y, shiftY, offsetY);
    int x1 = edge(design.x + design.w, shiftX, offsetX);
    int y1 = edge(design.y + design.h, shiftY, offsetY);
    // A thin line stays visible however small the window.
    if (design.w > 0 && x1 == x0)
        ++x1;
    if (design.h > 0 && y1 == y0)
        ++y1;
    return {x0, y0, x1 - x0, y1 - y0};
}

} // namespace quorvel
