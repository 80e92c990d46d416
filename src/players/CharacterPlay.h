// How each computer character plays, keyed by its name: its bets, the choice of steering for
// its face-down card, and its drawing decisions. The card steering itself is in
// cards/Steering.h; this adds what depends on the character and its money. Every draw is a
// rule draw, made in the order documented per routine.
#pragma once

#include "cards/Random.h"
#include "cards/Shoe.h"
#include "players/HandRecord.h"

#include <cstdint>

namespace quorvel {

// Draws n in 1..20. Kind 1: n x 1000; 2: (n div 2) x 2000 + 2000; 3: (n div 3) x 3000 + 3000;
// 4: (n div 5) x 5000 + 5000; any other kind 15000 (still one draw).
std::int32_t RandomBetAmount(int kind, RandomSource& random);
// Draws r in 1..100, then RandomBetAmount's draw when the style's row asks for it, and returns
// the bet the character makes [money]; a name outside the roster bets 0.
std::int32_t OpponentBet(const THandRecord& hand, RandomSource& random);
// OpponentBet placed: a bet above Money leaves Money and Bet 0.
void ChooseOpponentBet(THandRecord& hand, RandomSource& random);

// Draws r, then s (both 1..100); with Money above 40000 and s above 5 nothing more happens;
// otherwise the character's routines for r's band run in order until one swaps.
bool SteerBankerOpening(THandRecord& hand, TableShoe& shoe, int holeEntry, RandomSource& random);

// Draws r; a name outside the roster answers false; a rich hand (Money above 40000) above its
// rich stop answers false; r in the first band steers to 21, in the second steers small (true
// only when a card was placed); otherwise draws s and decides by the character's limits.
bool OpponentWantsCard(THandRecord& hand, TableShoe& shoe, RandomSource& random);

} // namespace quorvel
