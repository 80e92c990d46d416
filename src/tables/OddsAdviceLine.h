// The odds advisor's line at a table: at each of the user's decisions, one line near the
// buttons with what applies to the moves the user has: the chance that the next card busts
// the hand (while hitting is a move), the chance that the banker's face-down card gives it 17
// to 21, what the look and the swap are worth against their fees, and the best move with the
// round's expected result after it. It is worked out from what the user sees alone; its tip
// says so, and that the characters do not play fair. Shown only while the user's setting
// turns it on.
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

// The advisor's words for a decision.
std::string AdviceText(const UserDecision& decision, const DecisionOdds& odds);

class OddsAdviceLine {
public:
    // The tip of the line, shown while the pointer is over it.
    static constexpr const char* kTip =
        "只根據你看得到的：剩餘牌數表和翻開的牌。不看牌靴的順序、暗牌，也不知道人物的手腳——"
        "他們會作弊，實際機率可能更差。「最佳」是這一手期望結果最好的一步（含費用）。";

    // Creates the line and its tip, hidden, on the table at `place` [design px].
    OddsAdviceLine(Screen& table, Rect place);
    ~OddsAdviceLine();
    OddsAdviceLine(const OddsAdviceLine&) = delete;
    OddsAdviceLine& operator=(const OddsAdviceLine&) = delete;

    // Follows the engine: the line for the user's decision when `on`, hidden otherwise. While
    // a step runs or the swap's rank is being typed the line stays as it is. The odds are
    // worked out again only when what the user sees has changed, the swap's ranks one at a
    // time between frames; the line shows once they are all done.
    void Update(const RoundEngine& engine, bool on);
    // The pointer is over the table's background: the tip goes.
    void HoverBackground();
    const std::string& Text() const;
    bool Showing() const;
    // The line's place on its table [design px].
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
