#include "frontend/TForm11.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

TForm11::TForm11(Game& game) : Screen(game.GetApp(), "TForm11", ScreenKind::Modal, Rect{108, 96, 600, 450}), game_(game) {}

void TForm11::OpenAtFirstPage() { GetApp().ShowModal(*this); }

} // namespace quorvel
