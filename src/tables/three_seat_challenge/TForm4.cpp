#include "tables/three_seat_challenge/TForm4.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

TForm4::TForm4(Game& game) : Screen(game.GetApp(), "TForm4", ScreenKind::Full, Rect{0, 0, kDesignWidth, kDesignHeight}), game_(game) {}

} // namespace quorvel
