// The controls by which the user plays at a table: the buttons that offer the round's actions,
// wired to the table's one way to act and pressed by its keys; the paid services; the bonus
// table; the speed choice; the peek at the user's own face-down cards; and the advisor's line.
// Each refresh shows them as the round stands, with the round's look beyond its buttons.
#pragma once

#include "gui/Key.h"
#include "tables/RoundLook.h"

#include <memory>

namespace quorvel {

class BonusTableButton;
class OddsAdviceLine;
class OfferedControls;
class TableScreen;
class TableServices;

class TableControls {
public:
    // Wires the controls of `table`, whose designed controls and cards exist.
    explicit TableControls(TableScreen& table);
    ~TableControls();

    RoundLook& Look() { return look_; }
    const RoundLook& Look() const { return look_; }
    const OddsAdviceLine& AdviceLine() const { return *advice_; }
    // Presses the control a table key names, as a click would; false when it presses none.
    bool PressKey(const KeyPress& key);
    // The buttons, services, bonus table, toggle and advisor's line as the round stands.
    void Refresh();
    // A new game: no bonus table until a chip, the chest at rest.
    void NewGame();

private:
    void WirePeeks();
    void HoverBackground();

    TableScreen& table_;
    RoundLook look_;
    std::unique_ptr<OfferedControls> offered_;
    std::unique_ptr<TableServices> services_;
    std::unique_ptr<BonusTableButton> bonusTable_; // at the tables where the user bets
    std::unique_ptr<OddsAdviceLine> advice_;
};

} // namespace quorvel
