// The user's turn at a seat: the split decision, hit, stand, double and opening the banker,
// with the checks after each card, the decision point once the last hand is done, passing the
// turn on, and the peek at one's own face-down card. After a split one hand is played, then the
// other; at the three-seat table the turn goes on to the next seat instead of the banker
// opening.
#pragma once

#include "round/RoundContext.h"

namespace quorvel {

class UserTurn {
public:
    explicit UserTurn(RoundContext& round) : round_(round) {}

    // The user's turn begins (after the split decision, if any).
    void Start();
    void ChooseSplit(bool split);
    void Hit();
    void Stand();
    void OpenBanker();
    void Double();
    void PassTurn();
    void Peek(int hand);
    // After a split: the hand the user plays first, and the hand played last (the only hand
    // without a split).
    int FirstHand() const;
    int LastHand() const;

private:
    void AfterHit();
    void DecisionPoint();
    void End();

    RoundContext& round_;
};

} // namespace quorvel
