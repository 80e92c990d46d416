// How a table shows its round beyond the buttons the engine offers: how long each of the
// round's pauses and its banners last at this table and at the pace the speed choice sets, the
// bonus table's button from the user's first chip until the deal, the swap toggle's caption (it
// names the hand a click switches the swap to, so it follows the hand the swap goes to now), and
// whether the treasure chest may light up.
#pragma once

#include "round/Action.h"
#include "round/RoundFacts.h"
#include "round/TableRules.h"
#include "round/TableView.h"

#include <array>

namespace quorvel {

class RoundLook {
public:
    // The pace of each speed choice, fast to slow as CardMotion::kFlightSpeeds [% of the
    // designed lengths]; slow, the default, is the designed pace.
    static constexpr std::array<int, 3> kPacePercents{50, 75, 100};

    explicit RoundLook(TableMode mode);

    // The table's length of a pause at the pace in use [ms]; 0 is none.
    int PauseMs(Pause moment) const;
    // How long a banner holds the game at the pace in use [ms].
    int BannerMs() const;
    // The pace of the banners and pauses [% of their designed lengths, 1-100]. Every length the
    // table waits goes through it, so the designed pace (100) keeps each one exactly.
    void SetPace(int percent);
    int Pace() const { return pacePercent_; }
    // The user's action about to go to the engine of `round`, which will take it when `taken`:
    // the toggle gets the hand its caption names, and what shows of the action goes up before
    // the engine refreshes the table.
    void BeforeAction(Action& action, bool taken, const RoundFacts& round);
    bool BonusTableShown() const { return bonusShown_; }
    // The toggle names the other hand than the one the swap goes to: "分家換牌" while it goes to
    // the main hand, as it does after every purchase, "本家換牌" while it goes to the split hand.
    static const char* ToggleCaption(const RoundFacts& round);
    // A new game: no bonus table until a chip.
    void NewGame() { bonusShown_ = false; }
    // The chest may light up while the user has a live hand of more than one card and the
    // banker has not yet turned its card.
    static bool ChestMayLight(const RoundFacts& round);

private:
    int Paced(int ms) const { return ms * pacePercent_ / 100; }

    std::array<int, kPauseCount> pauses_; // [ms] at the designed pace
    int pacePercent_ = 100;
    bool bonusShown_ = false;
};

} // namespace quorvel
