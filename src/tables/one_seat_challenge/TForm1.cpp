#include "tables/one_seat_challenge/TForm1.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

TForm1::TForm1(Game& game) : Screen(game.GetApp(), "TForm1", ScreenKind::Full, Rect{0, 0, kDesignWidth, kDesignHeight}), game_(game) {}

} // namespace quorvel
