// The painter the game paints its pictures at the screen's size with: the painter program in a
// process of its own when it is installed beside the game, otherwise the painters in the
// game's own process.
#pragma once

#include "gui/PicturePainter.h"

#include <memory>

namespace quorvel {

std::unique_ptr<PicturePainter> MakePicturePainter();

} // namespace quorvel
