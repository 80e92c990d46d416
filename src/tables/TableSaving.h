// What a table keeps of a game and what leaving it would lose. The save holds the table's
// mode, its background, every seat's name and money (the stakes on the table counted as money)
// and the portraits of the opponents the user picked, each in the slot its seat uses. What the
// table held when it opened or was last saved counts as kept.
#pragma once

#include "players/Roster.h"
#include "players/SaveFile.h"
#include "round/RoundFacts.h"
#include "tables/TableDesign.h"

#include <array>
#include <optional>
#include <string>

namespace quorvel {

class App;
class TableHost;

// Who the front end set at a table: the user's pick and the opponents' picks in pick order,
// and the background chosen for the game.
struct TableCast {
    TCharacterPick User;
    std::array<TCharacterPick, 3> Opponents;
    std::string Background;
};

class TableSaving {
public:
    TableSaving(TableHost& host, const RoundFacts& round, const TableDesign& design,
                const TableCast& cast);

    // What a save would write now.
    SaveContents State() const;
    // Writes the save file now; a failure is reported to the user, a success noted briefly.
    // True when saved.
    bool Save(App& app);
    // Whether leaving now would lose play: a round under way, or money and names that differ
    // from the last save or from how the table opened.
    bool Unsaved() const;
    // What the table holds now counts as kept (the table was opened from the save or afresh).
    void MarkKept() { kept_ = State(); }
    // A new game: nothing of it is kept yet.
    void Forget() { kept_.reset(); }

private:
    TableHost& host_;
    const RoundFacts& round_;
    const TableDesign& design_;
    const TableCast& cast_;
    std::optional<SaveContents> kept_;
};

} // namespace quorvel
