// The computer characters' play: their bets, their drawing decisions, and the quiet steering of
// cards in the shoe. Every draw is a rule draw, made in the order documented per routine.
// Steering swaps two entries of the dealing shoe (so it stays a permutation of four decks) and
// never changes the unseen-card table; a target is eligible only while at least 2 are unseen.
#pragma once

#include "cards/Random.h"
#include "cards/Shoe.h"

#include <cstdint>

namespace quorvel {

struct THandRecord;

// Draws n in 1..20. Kind 1: n x 1000; 2: (n div 2) x 2000 + 2000; 3: (n div 3) x 3000 + 3000;
// 4: (n div 5) x 5000 + 5000; any other kind 15000 (still one draw).
std::int32_t RandomBetAmount(int kind, RandomSource& random);
// Draws r in 1..100, then RandomBetAmount's draw when the style's row asks for it. A bet
// above Money leaves Money and Bet 0; a name outside the roster bets 0.
void ChooseOpponentBet(THandRecord& hand, RandomSource& random);

// No draws. Makes the next card an identical twin of the hand's first card when eligible.
void SteerPlayerPair(const THandRecord& hand, TableShoe& shoe);

// Hole-card steering. `holeEntry` is the shoe position the face-down first card was dealt at
// (the card is entry holeEntry + 1, as MarkCardSeen counts it). Each applies to a hand of two
// cards with value 20 or less; it revalues the hand in every case. Returns true on a swap.
// AceJack and Natural draw the starting row r in 1..100 only once the face-up card qualifies.
bool SteerHoleAceJack(THandRecord& hand, TableShoe& shoe, int holeEntry, RandomSource& random);
bool SteerHoleSixSevenEight(THandRecord& hand, TableShoe& shoe, int holeEntry);
bool SteerHoleSevens(THandRecord& hand, TableShoe& shoe, int holeEntry);
bool SteerHoleSuitedAceJack(THandRecord& hand, TableShoe& shoe, int holeEntry);
bool SteerHoleNatural(THandRecord& hand, TableShoe& shoe, int holeEntry, RandomSource& random);

// Draws r, then s (both 1..100); with Money above 40000 and s above 5 nothing more happens;
// otherwise the character's routines for r's band run in order until one swaps.
bool SteerBankerOpening(THandRecord& hand, TableShoe& shoe, int holeEntry, RandomSource& random);

// Next-card steering (for HandValue 1..20; otherwise no draws, false). When the target rank
// is random, its draw r comes first; then the starting row r (1..25 row 1, .., 76..100 row 4).
bool SteerNextToTwentyOne(const THandRecord& hand, TableShoe& shoe, RandomSource& random);
bool SteerNextSmall(const THandRecord& hand, TableShoe& shoe, RandomSource& random);

// Draws r; a name outside the roster answers false; a rich hand (Money above 40000) above its
// rich stop answers false; r in the first band steers to 21, in the second steers small (true
// only when a card was placed); otherwise draws s and decides by the character's limits.
bool OpponentWantsCard(THandRecord& hand, TableShoe& shoe, RandomSource& random);

} // namespace quorvel
