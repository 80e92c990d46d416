#include "tables/three_seat_challenge/TForm8.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

TForm8::TForm8(Game& game) : Screen(game.GetApp(), "TForm8", ScreenKind::Dialog, Rect{229, 207, 347, 255}), game_(game) {}

} // namespace quorvel
