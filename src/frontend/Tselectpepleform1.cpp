#include "frontend/Tselectpepleform1.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

Tselectpepleform1::Tselectpepleform1(Game& game) : Screen(game.GetApp(), "Tselectpepleform1", ScreenKind::Full, Rect{0, 0, kDesignWidth, kDesignHeight}), game_(game) {}

} // namespace quorvel
