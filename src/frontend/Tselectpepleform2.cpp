#include "frontend/Tselectpepleform2.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

Tselectpepleform2::Tselectpepleform2(Game& game) : Screen(game.GetApp(), "Tselectpepleform2", ScreenKind::Full, Rect{0, 0, kDesignWidth, kDesignHeight}), game_(game) {}

void Tselectpepleform2::SetBanner(const char*) {}

void Tselectpepleform2::LightFigure(int) {}

void Tselectpepleform2::DimFigure(int) {}

} // namespace quorvel
