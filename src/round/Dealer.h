// The cards of a round: a new shoe when too few cards are left, the first and second cards with
// the characters' steering, the splits (offered to the user, or made through Apply by a seat
// with a pair), and the small steps every deal and draw is made of.
#pragma once

#include "round/RoundContext.h"

namespace quorvel {

class Dealer {
public:
    explicit Dealer(RoundContext& round) : round_(round) {}

    // Clears the hands and makes a new shoe when the round number or the cards left ask for it.
    void PrepareRound();
    // The first and second cards of every hand, then each seat's pair split or offered.
    void DealRound();
    // A card from the shoe into a hand's slot [1-19], face up or down.
    void DealInto(int seat, int hand, int slot, bool faceUp);
    // One more card into a hand, face up and counted as seen.
    void DrawInto(int seat, int hand);
    // Turns a hand's face-down card up and counts it as seen.
    void TurnHole(int seat, int hand);
    // The seat's pair becomes two hands, each with a new face-down card and its own bet.
    void MakeSplit(int seat);
    // The seat's first two cards are twins.
    static bool Identical(const Seat& seat);

private:
    void DealFirstCards();
    void SecondCards();
    void OfferOrMakeSplits();

    RoundContext& round_;
};

} // namespace quorvel
