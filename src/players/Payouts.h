// What a settled hand earns beyond its bet, and how two hands' outcomes are decided: the
// comparison that sets Outcome and Streak, the special-hand bonus and the jackpot. Bonuses and
// the jackpot are house money, announced through the calling table's banner.
#pragma once

#include "players/HandRecord.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace quorvel {

inline constexpr std::int32_t kJackpotBet = 80000;
inline constexpr int kJackpotStreak = 6;

// Shows a text (UTF-8) in the calling table's banner.
using Announce = std::function<void(const std::string&)>;

// The words of the bonus and jackpot messages; tables differ in a few of them.
struct BonusWording {
    std::array<const char*, 8> Middle; // by THandKind 0..7
    const char* JackpotOpening;        // before the name
};
const BonusWording& StandardWording();    // one-seat variant 1 and both three-seat tables
const BonusWording& BankerTableWording(); // one-seat variant 2 (the user banks)

// Outcome and Streak of both hands from their stored codes (banker first).
void CompareHands(THandRecord& banker, THandRecord& other);

// The special-hand bonus a hand earns on `bet`, and its jackpot (bet exactly 80000, streak 6 or
// more) [money]; 0 when none.
std::int32_t SpecialBonus(const THandRecord& hand, std::int32_t bet);
std::int32_t JackpotPrize(const THandRecord& hand);

// Pays and announces the special-hand bonus; returns the amount paid (0 when none).
std::int32_t AwardSpecialBonus(THandRecord& hand, std::int32_t bet, const Announce& announce,
                               const BonusWording& wording = StandardWording());
// Pays and announces the jackpot (bet exactly 80000, streak 6 or more); returns the amount.
std::int32_t CheckJackpot(THandRecord& hand, const Announce& announce,
                          const BonusWording& wording = StandardWording());

} // namespace quorvel
