// The quiet steering of cards in the shoe that the computer characters use: a player's pair,
// a hand's face-down card and its next card. Steering swaps two entries of the dealing shoe (so
// it stays a permutation of four decks) and never changes the unseen-card table; a target is
// eligible only while at least 2 are unseen. Every draw is a rule draw, in the order given.
#pragma once

#include "cards/Hand.h"
#include "cards/Random.h"
#include "cards/Shoe.h"

namespace quorvel {

// No draws. Makes the next card an identical twin of the hand's first card when eligible.
void SteerPlayerPair(const THand& hand, TableShoe& shoe);

// Hole-card steering. `holeEntry` is the shoe position the face-down first card was dealt at
// (the card is entry holeEntry + 1, as MarkCardSeen counts it). Each applies to a hand of two
// cards with value 20 or less; it revalues the hand in every case. Returns true on a swap.
// AceJack and Natural draw the starting row r in 1..100 only once the face-up card qualifies.
bool SteerHoleAceJack(THand& hand, TableShoe& shoe, int holeEntry, RandomSource& random);
bool SteerHoleSixSevenEight(THand& hand, TableShoe& shoe, int holeEntry);
bool SteerHoleSevens(THand& hand, TableShoe& shoe, int holeEntry);
bool SteerHoleSuitedAceJack(THand& hand, TableShoe& shoe, int holeEntry);
bool SteerHoleNatural(THand& hand, TableShoe& shoe, int holeEntry, RandomSource& random);

// Next-card steering (for HandValue 1..20; otherwise no draws, false). When the target rank
// is random, its draw r comes first; then the starting row r (1..25 row 1, .., 76..100 row 4).
bool SteerNextToTwentyOne(const THand& hand, TableShoe& shoe, RandomSource& random);
bool SteerNextSmall(const THand& hand, TableShoe& shoe, RandomSource& random);

} // namespace quorvel
