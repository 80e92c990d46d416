// Opening a table for a new or a resumed game, and going back to the main menu. The front end
// prepares every table: names, portraits, labels, background and the opening announcements;
// the table itself only plays rounds.
#pragma once

#include "round/TableRules.h"

#include <string>

namespace quorvel {

class Game;
struct TableRecord;
class RandomSource;
class Screen;

// The five backgrounds a table draws from when it opens.
enum class BackgroundSet {
    OneSeat,            // "picture\gif\ydy01.gif" .. "ydy05.gif"
    ThreeSeatChallenge, // "picture\gif\zm001.gif" .. "zm005.gif"
    ThreeSeatBanker,    // "picture\gif\ddy001.gif" .. "ddy005.gif"
};

// Opens the table of the chosen seat count and banker choice (opponent selection's OK). A
// pair that names no table brings back the main menu, so the user is never left without one.
void OpenNewTable(Game& game);
// Resumes the saved game from "mysave.sav" (the main menu's load button). A save the loader
// rejects is reported and the main menu stays as it was. Changes no front-end state.
void ResumeSavedGame(Game& game);
// Back to the main menu from a table: every table reset to its starting money and hidden.
void ReturnToMainMenu(Game& game, Screen& table);
// A round played again: every screen put away and every table reset, then the table of `mode`
// shown as `record` says it stood at the round's start, waiting for its first action.
void ReplayRound(Game& game, TableMode mode, const TableRecord& record);
// One of the set's five pictures, each with the same chance (a cosmetic draw of 1..100).
std::string PickTableBackground(RandomSource& random, BackgroundSet set);

} // namespace quorvel
