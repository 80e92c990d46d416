// The small tag that shows on a button which key presses it. The tag lies against the button's
// edge, outside its face but for a few pixels, so that it never covers a caption: under the
// button at its right end, else beside it on the right or the left, else above it, else in its
// lower right corner, whichever comes first that stays on the screen, covers no caption (the
// button's own included) and touches no other button, so that nobody wonders which button it
// belongs to.
#pragma once

#include "gui/Canvas.h"
#include "gui/Geometry.h"

#include <vector>

namespace quorvel {

class Control;
class Screen;

// A showing control's tag and where it lies on the screen [screen px].
struct PlacedKeyTag {
    const Control* control;
    Rect place;
    bool clear; // false when no place was free and the tag lies in something's way
};

// The tags of the screen's showing controls, in the order the controls were made, each kept off
// the tags placed before it. A control carries none when it has no key, or when it is too small
// for a tag to sit by it without hiding it (such a button shows its key in its tip, or not at
// all).
std::vector<PlacedKeyTag> KeyTagPlaces(const Screen& screen);

// Draws the control's tag at its place.
void PaintKeyTag(Canvas& canvas, const Control& control, Rect place);

} // namespace quorvel
