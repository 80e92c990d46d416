// Draws a character from its look: the head with hair, face and extras, and the body with its
// clothes, in units where the head's radius is 1 and its centre is the origin.
#pragma once

#include "artwork/Art.h"
#include "artwork/Characters.h"

namespace artwork {

// Figure extent in units: from the top of the hair to the soles.
inline constexpr double kFigureTop = -1.25;
inline constexpr double kFigureBottom = 6.15;

// `pixelsPerUnit` sets outline widths so that lines stay about one pixel wide.
void DrawCharacter(cairo_t* cr, const Character& c, double pixelsPerUnit, bool fullLength);

} // namespace artwork
