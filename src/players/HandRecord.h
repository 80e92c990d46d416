// THandRecord: one hand at a table, its cards and value and, for the hand that stands for a
// seat, the seat's bet, money, bonus, streak and name. The 19 card controls belong to the
// table screen that created them; the record only points at them.
#pragma once

#include "players/Money.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace quorvel {

class TCard;

struct THandRecord {
    std::int32_t HandValue = 1;     // value code: 0 bust, 2..21 total, 22..28 special
    std::int32_t CardCount = 0;     // [0-19]
    std::uint8_t Kind = 8;          // THandKind ordinal, 8 none
    std::array<TCard*, 19> Cards{}; // slots 1..19 at indices 0..18
    std::int32_t AceCount = 0;
    std::int32_t HardTotal = 1; // point sum with aces as 1
    std::uint8_t Outcome = 0;   // 0 won, 1 push, 2 lost
    std::int32_t Bet = 0;
    std::int32_t Money = kStartingMoney;
    std::int32_t Bonus = 0;
    std::int32_t Streak = 0;
    std::string Name; // UTF-8

    // The control in slot [1-19]; throws std::out_of_range outside, nullptr when unbound.
    TCard* Card(int slot) const;
};

inline constexpr std::uint8_t kOutcomeWon = 0;
inline constexpr std::uint8_t kOutcomePush = 1;
inline constexpr std::uint8_t kOutcomeLost = 2;

// A new round: value 1, no cards, kind none, no aces, hard total 1, outcome 0.
void ResetHand(THandRecord& hand);
// Money 500000, bet 0, streak 0.
void ResetSeatMoney(THandRecord& hand);
// The controls belong to the screens, which free them; here they are only hidden.
void FreeHandCards(THandRecord& hand);

// For tests and tools without screens: owns 19 standalone card controls and binds a record.
class StandaloneCards {
public:
    StandaloneCards();
    ~StandaloneCards();
    explicit StandaloneCards(THandRecord& hand);
    void Bind(THandRecord& hand);

private:
    std::array<std::unique_ptr<TCard>, 19> cards_;
};

} // namespace quorvel
