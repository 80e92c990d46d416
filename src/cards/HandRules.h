// The rule book: the value code of a hand, its special kind, how two hands compare, how a hand
// is described, and the special-hand bonus and jackpot, which the calling table announces.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace quorvel {

struct THandRecord;

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

THandKind KindOfCode(int code);

// Sets HandValue, Kind, AceCount and HardTotal from Cards[1..CardCount].
void EvaluateHand(THandRecord& hand);
// Outcome and Streak of both hands from their stored codes (banker first).
void CompareHands(THandRecord& banker, THandRecord& other);

std::string HandText(const THandRecord& hand);
std::string HandResultText(const THandRecord& hand);

// Bonus multiple of the bet for a hand, 0 when none.
int BonusMultiple(const THandRecord& hand);
// Pays and announces the special-hand bonus; returns the amount paid (0 when none).
std::int32_t AwardSpecialBonus(THandRecord& hand, std::int32_t bet, const Announce& announce,
                               const BonusWording& wording = StandardWording());
// Pays and announces the jackpot (bet exactly 80000, streak 6 or more); returns the amount.
std::int32_t CheckJackpot(THandRecord& hand, const Announce& announce,
                          const BonusWording& wording = StandardWording());

} // namespace quorvel
