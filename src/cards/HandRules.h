// The rule book of a hand's cards: its value code, its special kind, how it is described, and
// the bonus multiple its kind earns. Comparing hands and paying bonuses work on the seats'
// hand records (players/Payouts.h).
#pragma once

#include "cards/Hand.h"

#include <cstdint>
#include <string>

namespace quorvel {

enum THandKind : std::uint8_t {
    hkTwentyOne = 0,
    hkSuitedAceJack = 1,
    hkSixSevenEight = 2,
    hkFiveCards = 3,
    hkSixCards = 4,
    hkSevenCards = 5,
    hkBlackJack = 6,
    hkThreeSevens = 7,
    hkNone = 8
};

// Value codes: 0 bust, 2..21 totals, 22..28 special hands; they compare as plain integers.
inline constexpr int kBustCode = 0;
inline constexpr int kSuitedAceJackCode = 22;
inline constexpr int kSixSevenEightCode = 23;
inline constexpr int kFiveCardsCode = 24;
inline constexpr int kSixCardsCode = 25;
inline constexpr int kSevenCardsCode = 26;
inline constexpr int kBlackJackCode = 27;
inline constexpr int kThreeSevensCode = 28;

THandKind KindOfCode(int code);

// Sets HandValue, Kind, AceCount and HardTotal from Cards[1..CardCount].
void EvaluateHand(THand& hand);

std::string HandText(const THand& hand);
std::string HandResultText(const THand& hand);

// Bonus multiple of the bet for a hand, 0 when none.
int BonusMultiple(const THand& hand);

} // namespace quorvel
