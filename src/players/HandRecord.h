// THandRecord: one hand at a table, its cards and value and, for the hand that stands for a
// seat, the seat's bet, money, bonus, streak and name. It holds card values only: where a card
// lies and whether it shows its face belongs to the table's view.
#pragma once

#include "cards/Hand.h"
#include "players/Money.h"

#include <cstdint>
#include <string>

namespace quorvel {

struct THandRecord : THand {
    std::uint8_t Outcome = 0; // 0 won, 1 push, 2 lost
    std::int32_t Bet = 0;
    std::int32_t Money = kStartingMoney;
    std::int32_t Bonus = 0;
    std::int32_t Streak = 0;
    std::string Name; // UTF-8
};

inline constexpr std::uint8_t kOutcomeWon = 0;
inline constexpr std::uint8_t kOutcomePush = 1;
inline constexpr std::uint8_t kOutcomeLost = 2;

// A new round: value 1, no cards, kind none, no aces, hard total 1, outcome 0.
void ResetHand(THandRecord& hand);
// Money 500000, bet 0, streak 0.
void ResetSeatMoney(THandRecord& hand);

} // namespace quorvel
