#include "tables/one_seat_banker/TForm3.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

TForm3::TForm3(Game& game) : Screen(game.GetApp(), "TForm3", ScreenKind::Full, Rect{0, 0, kDesignWidth, kDesignHeight}), game_(game) {}

} // namespace quorvel
