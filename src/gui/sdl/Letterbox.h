// Fitting the 800x600 layout into a window of any size with its aspect kept: a uniform scale
// and black bars left and right or above and below. Maps both ways between window pixels
// and layout pixels.
#pragma once

#include "gui/Geometry.h"

namespace quorvel {

struct Letterbox {
    double scale = 1.0; // window px per layout px
    int offsetX = 0;    // left bar [window px]
    int offsetY = 0;    // top bar [window px]

    // Fits the layout into an output of `width` x `height` [px].
    static Letterbox Fit(int width, int height);

    // The layout point under a window pixel; points in the bars fall outside 0..799 x 0..599.
    Point ToDesign(Point window) const;
    // The window pixels covered by a design rectangle, drawn `shiftX`, `shiftY` further
    // [layout px]; edges are rounded so that rectangles which touch in the layout also touch
    // in the window.
    Rect ToWindow(Rect design, double shiftX = 0, double shiftY = 0) const;
};

} // namespace quorvel
