#include "tables/one_seat_challenge/TForm6.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

TForm6::TForm6(Game& game) : Screen(game.GetApp(), "TForm6", ScreenKind::Dialog, Rect{248, 238, 347, 255}), game_(game) {}

} // namespace quorvel
