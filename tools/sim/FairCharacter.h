// A computer character that never moves a card: it bets, splits and decides to draw as its
// character does, from the same rows and draws, but every card it would steer stays where the
// shuffle put it (its decision is worked out on a copy of the shoe). Seated at every computer
// place of a table whose pair steering is off, it plays the fair game the characters' edge is
// measured against.
#pragma once

#include "cards/Shoe.h"
#include "round/SeatController.h"

namespace quorvel::sim {

class FairCharacter final : public SeatController {
public:
    explicit FairCharacter(RandomSource& random) : random_(random) {}

    bool IsUser() const override { return false; }
    Action Bet(const THandRecord& hand, int seat) override;
    Action SplitChoice(int seat) override { return Action::By(seat, ActionKind::Split); }
    void SteerOpening(THandRecord&, TableShoe&, int) override {}
    Action Move(THandRecord& hand, TableShoe& shoe, int seat, int handIndex) override;
    void SteerForcedCard(THandRecord&, TableShoe&) override {}

private:
    RandomSource& random_;
    TableShoe scratch_; // the copy a decision may steer in
};

} // namespace quorvel::sim
