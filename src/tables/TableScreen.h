// A table screen, built and run from its design: the round engine it plays on, its controls
// found by role, the user's clicks and keys as the engine's actions, and the pieces a table is
// made of: its view of the round (with the hands' cards and their motion), the user's controls,
// the save and the music. The four
// tables are this screen with their own designs; each table's class adds only what no other
// table does.
#pragma once

#include "gui/Screen.h"
#include "round/RoundEngine.h"
#include "tables/TableDesign.h"
#include "tables/TableSaving.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace quorvel {

class CardMotion;
class HandCards;
class OddsAdviceLine;
class ResultDialog;
class RoundLook;
class TableControls;
class TableHost;
class TableMusic;
class TableRoundView;

class TableScreen : public Screen {
public:
    TableScreen(TableHost& host, const TableDesign& design);
    ~TableScreen() override;

    const TableDesign& Design() const { return design_; }
    TableHost& Host() const { return host_; }
    RoundEngine& Engine() { return engine_; }
    const RoundEngine& Engine() const { return engine_; }

    // ---- controls by role ----
    bool Has(TableRole role) const;
    // The control of a role as what the caller knows it to be; a role the table does not have,
    // or a control of another kind, throws std::logic_error.
    template <class T = Control> T& Get(TableRole role) const {
        return Screen::Get<T>(DesignedName(role));
    }
    const char* DesignedName(TableRole role) const;
    // The control of a role by the role's name ("Hit"); the scenario runner's way to a role.
    Control* FindByRole(std::string_view role) const override;

    // ---- the user's input ----
    // A click or a key: the one way the user acts at a table. False when it was refused, or
    // when leaving waits for the user's answer to "save first?".
    bool Act(const Action& action);
    // The click on the table, or on its result dialog, that starts the next round.
    void NextRoundClick(bool fromDialog = false);
    // The table's keys (TableKeys.h) press the control of the first action they name that the
    // table offers, with every check a click meets.
    bool KeyDown(const KeyPress& key) override;
    bool Binds(const KeyPress& key) const override;

    // ---- the table's pieces ----
    const HandCards& Hands() const;
    CardMotion& Motion() const;
    // What the table shows of the round, as the engine sees it.
    TableRoundView& View() { return *view_; }
    TableCast& Cast() { return cast_; }
    TableSaving& Saving() { return *saving_; }
    const TableSaving& Saving() const { return *saving_; }
    // How the table shows the round beyond its buttons: pauses, the bonus table, the toggle.
    const RoundLook& Look() const;
    // The advisor's line, for tests.
    const OddsAdviceLine& AdviceLine() const;

    // ---- what the front end does with a table ----
    // A new game with these names [0 the banker, 1-3], or a game resumed from its record.
    void NewGame(const std::array<std::string, 4>& names);
    void Resume(const TableRecord& record);
    // Keeps the background chosen for the game and shows it.
    void LoadBackground(const std::string& path);
    // The opening of a new or resumed game, once the table shows. The unseen-card panel waits
    // for the first deal: its counts belong to the last game's shoe.
    void OpenForPlay();
    // The user's choice of card speed at the table; the game is told, to keep it for the next
    // run.
    void SetFlightSpeed(int pixelsPerStep);
    // A speed the game sets (the one kept from the last run). A speed of the choices sets the
    // pace of the banners and pauses with it; any other keeps the designed pace.
    void UseFlightSpeed(int pixelsPerStep);
    // Holds the game for the table's length of that pause, at its pace.
    void Wait(Pause moment);
    // Back to the starting state of a new game: money, counters, every card and round button
    // hidden, the hand descriptions cleared, the chest at rest.
    virtual void ResetForMainMenu();
    // The result dialog, created after the table; its click starts the next round.
    void SetDialog(ResultDialog& dialog);

    // ---- what the round shows beyond the engine's view; tables add their own ----
    // The buttons, labels, hand marker, bonus table, toggle and advisor's line from the round.
    virtual void Refresh();
    // The chips show for the user's bet.
    virtual void RevealChips() {}
    // A long winning streak hands the user over to the one-on-one challenge.
    virtual void LeaveForChallenge() {}

    void FormActivate() override;
    void FormDeactivate() override;

private:
    void Build();
    bool Refused(const Action& action); // the note for a press in vain; always false

    TableHost& host_;
    const TableDesign& design_;
    TableCast cast_;
    std::unique_ptr<TableRoundView> view_; // before the engine, which speaks to it
    RoundEngine engine_;
    std::unique_ptr<TableControls> controls_;
    std::unique_ptr<TableSaving> saving_;
    std::unique_ptr<TableMusic> music_;
};

} // namespace quorvel
