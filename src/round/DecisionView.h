// What the user sees at a decision of theirs, gathered for the odds advisor: the unseen-card
// panel's counts, the user's own hand in play with the face-down cards the user holds, the
// banker's face-up cards and the stake. It reads nothing the table hides from the user: not
// the shoe's order, not another side's face-down card, not the characters' steering.
#pragma once

#include "cards/Odds.h"

#include <optional>

namespace quorvel {

class RoundEngine;

struct UserDecision {
    OddsView View;
    // The user banks: the hand is the bank's, and only the next card's bust chance applies.
    bool UserBanks = false;
};

// The view at the user's turn while the hand in play is live and the banker's face-down card
// is still down; nothing at any other moment.
std::optional<UserDecision> UserDecisionView(const RoundEngine& engine);

} // namespace quorvel
