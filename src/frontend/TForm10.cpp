#include "frontend/TForm10.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

TForm10::TForm10(Game& game) : Screen(game.GetApp(), "TForm10", ScreenKind::Modal, Rect{109, 99, 600, 450}), game_(game) {}

void TForm10::OpenAtFirstPage() { GetApp().ShowModal(*this); }

} // namespace quorvel
