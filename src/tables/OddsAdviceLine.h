// The odds advisor's line at a table: at each of the user's decisions, one line near the
// buttons with the chance that the next card busts the hand, the chance that the banker's
// face-down card gives it 17 to 21, and what the look and the swap are worth against their
// fees. It is worked out from what the user sees alone; its tip says so, and that the
// characters do not play fair. Shown only while the user's setting turns it on.
#pragma once

#include "cards/Odds.h"
#include "gui/Geometry.h"

#include <optional>
#include <string>

namespace quorvel {

class Label;
class RoundEngine;
class Screen;
struct UserDecision;

// The advisor's words for a decision.
std::string AdviceText(const UserDecision& decision, const DecisionOdds& odds);

class OddsAdviceLine {
public:
    // The tip of the line, shown while the pointer is over it.
    static constexpr const char* kTip =
        "只根據你看得到的：剩餘牌數表和翻開的牌。不看牌靴的順序、暗牌，也不知道人物的手腳——"
        "他們會作弊，實際機率可能更差。";

    // Creates the line and its tip, hidden, on the table at `place` [layout px].
    OddsAdviceLine(Screen& table, Rect place);

    // Follows the engine: the line for the user's decision when `on`, hidden otherwise. The
    // odds are worked out again only when what the user sees has changed.
    void Update(const RoundEngine& engine, bool on);
    // The pointer is over the table's background: the tip goes.
    void HoverBackground();
    const std::string& Text() const;
    bool Showing() const;

private:
    Label& line_;
    Label& tip_;
    std::string seen_; // what the user saw when the line was last worked out
};

} // namespace quorvel
