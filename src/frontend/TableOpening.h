// Opening a table for a new or a resumed game, and going back to the main menu. The front end
// prepares every table: names, portraits, labels, background; the table only plays rounds.
#pragma once

namespace quorvel {

class Game;
class Screen;

// Opens the table of the chosen seat count and banker choice (opponent selection's OK).
void OpenNewTable(Game& game);
// Resumes the saved game from "mysave.sav" (the main menu's load button).
void ResumeSavedGame(Game& game);
// Back to the main menu from a table: every table reset, every table screen hidden.
void ReturnToMainMenu(Game& game, Screen& table);

} // namespace quorvel
