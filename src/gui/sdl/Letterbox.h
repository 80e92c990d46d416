// Fitting the 800x600 design into a window of any size with its aspect kept: a uniform scale
// and black bars left and right or above and below. Maps both ways between window pixels
// and design pixels.
#pragma once

#include "gui/Geometry.h"

namespace quorvel {

struct Letterbox {
    double scale = 1.0; // window px per design px
    int offsetX = 0;    // left bar [window px]
    int offsetY = 0;    // top bar [window px]

    // Fits the design into an output of `width` x `height` [px].
    static Letterbox Fit(int width, int height);

    // The design point under a window pixel; points in the bars fall outside 0..799 x 0..599.
    Point ToDesign(Point window) const;
    // The window pixels covered by a design rectangle, drawn `shiftX`, `shiftY` further
    // [design px]; edges are rounded so that rectangles which touch in the design also touch
    // in the window.
    Rect ToWindow(Rect design, double shiftX = 0, double shiftY = 0) const;
};

} // namespace quorvel
