#include "tables/three_seat_banker/TForm9.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

TForm9::TForm9(Game& game) : Screen(game.GetApp(), "TForm9", ScreenKind::Dialog, Rect{221, 239, 347, 255}), game_(game) {}

} // namespace quorvel
