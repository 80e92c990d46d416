// The odds advisor's lines at a table: at each of the user's decisions, in the banner's place
// (free whenever the user decides), what applies to the moves the user has: the chance that
// the next card busts the hand (while hitting is a move), the chance that the banker's
// face-down card gives it 17 to 21 and the best move with the round's expected result after
// it; below, what the look and the swap are worth against their fees. It is worked out from
// what the user sees alone; its tip says so, and that the characters do not play fair. Shown
// only while the user's setting turns it on, and never while the table is busy.
#pragma once

#include "cards/Odds.h"
#include "gui/Geometry.h"
#include "round/DecisionView.h"

#include <optional>
#include <string>

namespace quorvel {

class App;
class Label;
class RoundEngine;
class Screen;

// The advisor's words for a decision: the play's line, then the services' line if any.
std::string AdviceText(const UserDecision& decision, const DecisionOdds& odds);

class OddsAdviceLine {
public:
    // The tip of the line, shown while the pointer is over it.
    static constexpr const char* kTip =
        "只根據你看得到的：剩餘牌數表和翻開的牌。不看牌靴的順序、暗牌，也不知道人物的手腳——"
        "他們會作弊，實際機率可能更差。「最佳」是這一手期望結果最好的一步（含費用）。";

    // Creates the lines and their tip, hidden, on the table in the box `place`, two lines
    // high [layout px].
    OddsAdviceLine(Screen& table, Rect place);
    ~OddsAdviceLine();
    OddsAdviceLine(const OddsAdviceLine&) = delete;
    OddsAdviceLine& operator=(const OddsAdviceLine&) = delete;

    // Follows the engine: the lines for the user's decision when `on`, hidden otherwise and
    // while a step runs; while the swap's rank is typed they stay as they are. The odds are
    // worked out again only when what the user sees has changed, the swap's ranks one at a
    // time between frames; the lines show once they are all done.
    void Update(const RoundEngine& engine, bool on);
    // The pointer is over the table's background: the tip goes.
    void HoverBackground();
    const std::string& Text() const;
    bool Showing() const;
    // The lines' box on its table [layout px].
    Rect Place() const;

private:
    void Hide();
    void Step();
    void Finish();

    App& app_;
    Label& line_;
    Label& tip_;
    OddsAdvisor advisor_;
    std::optional<UserDecision> pending_; // the decision being worked out
    int timer_ = 0;                       // the next step's timer, 0 for none
    std::string seen_; // what the user saw when the line was last worked out
};

} // namespace quorvel
