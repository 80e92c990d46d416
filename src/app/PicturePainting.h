// The painter the game paints its pictures at the screen's size with: the painter program
// beside the game (or installed in libexec), in a process of its own. Without it the game
// shows its pictures scaled from their files.
#pragma once

#include "gui/PicturePainter.h"

#include <memory>

namespace quorvel {

// The painter, or nullptr when the painter program cannot be found.
std::unique_ptr<PicturePainter> MakePicturePainter();

} // namespace quorvel
