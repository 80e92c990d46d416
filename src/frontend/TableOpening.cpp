#include "frontend/TableOpening.h"

#include "frontend/Game.h"
#include "platform/App.h"

namespace quorvel {

void OpenNewTable(Game&) {}

void ResumeSavedGame(Game& game) { game.GetApp().ReportError("沒有存檔"); }

void ReturnToMainMenu(Game&, Screen&) {}

} // namespace quorvel
