#include "tables/one_seat_banker/TForm7.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

TForm7::TForm7(Game& game) : Screen(game.GetApp(), "TForm7", ScreenKind::Dialog, Rect{246, 251, 347, 255}), game_(game) {}

} // namespace quorvel
