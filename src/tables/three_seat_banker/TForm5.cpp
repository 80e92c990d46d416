#include "tables/three_seat_banker/TForm5.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

TForm5::TForm5(Game& game) : Screen(game.GetApp(), "TForm5", ScreenKind::Full, Rect{0, 0, kDesignWidth, kDesignHeight}), game_(game) {}

} // namespace quorvel
