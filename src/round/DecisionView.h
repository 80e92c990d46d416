// What the user sees at a decision of theirs, gathered for the odds advisor: the unseen-card
// panel's counts, the user's own hand in play with the face-down cards the user holds, the
// banker's face-up cards, the stake and the moves the round allows now. It reads nothing the
// table hides from the user: not the shoe's order, not another side's face-down card, not the
// characters' steering.
#pragma once

#include "cards/Odds.h"
#include "round/Action.h"

#include <optional>

namespace quorvel {

class RoundEngine;

struct UserDecision {
    OddsView View;
    // The user banks: the hand is the bank's, and only the next card's bust chance applies.
    bool UserBanks = false;
    // Whether hitting is a move now (at the bank too).
    bool MayHit = false;
    // The button that stands on the hand in play: stand, or where only it is left, the banker
    // opens or the turn passes on.
    ActionKind StandsBy = ActionKind::Stand;
    // The swap is bought and the user is typing the rank: nothing else can be done meanwhile.
    bool ChoosingRank = false;
};

// The view at the user's turn or split offer while the hand in play is live and the banker's
// face-down card is still down; nothing at any other moment. While a step runs the round
// allows no move, and the view says so.
std::optional<UserDecision> UserDecisionView(const RoundEngine& engine);

} // namespace quorvel
