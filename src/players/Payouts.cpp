// Comparing hands, and paying the special-hand bonus and the jackpot.
#include "players/Payouts.h"

#include "cards/HandRules.h"

namespace quorvel {

namespace {

constexpr BonusWording kStandard{{"獲得額外獎金", "獲得同花JA額外獎金", "獲得678額外獎金",
                                  "過5 關，獲得額外獎金", "過6關，獲得額外獎金",
                                  "過7關，獲得額外獎金", "成為黑色騎士，獲得額外獎金",
                                  "三七開花，獲得額外獎金"},
                                 "恭喜發財"};
constexpr BonusWording kBankerTable{{"獲得額外獎金", "獲得同花JA額外獎金", "獲得678額外獎金",
                                     "過5關，獲得額外獎金", "過6關，獲得額外獎金",
                                     "過7 關，獲得額外獎金", "成為黑色騎士，獲得額外獎金",
                                     "三七開花，獲得額外獎金"},
                                    "恭喜發財！"};

} // namespace

const BonusWording& StandardWording() {
    return kStandard;
}
const BonusWording& BankerTableWording() {
    return kBankerTable;
}

void CompareHands(THandRecord& banker, THandRecord& other) {
    if (banker.HandValue == kBustCode || banker.HandValue < other.HandValue) {
        banker.Outcome = kOutcomeLost;
        banker.Streak = 0;
        other.Outcome = kOutcomeWon;
        other.Streak = AddMoney(other.Streak, 1);
    } else if (banker.HandValue == other.HandValue) {
        banker.Outcome = other.Outcome = kOutcomePush;
        banker.Streak = other.Streak = 0;
    } else {
        banker.Outcome = kOutcomeWon;
        banker.Streak = AddMoney(banker.Streak, 1);
        other.Outcome = kOutcomeLost;
        other.Streak = 0;
    }
}

std::int32_t SpecialBonus(const THandRecord& hand, std::int32_t bet) {
    const int multiple = BonusMultiple(hand);
    return multiple == 0 ? 0 : MulMoney(bet, multiple);
}

std::int32_t JackpotPrize(const THandRecord& hand) {
    if (hand.Bet != kJackpotBet || hand.Streak < kJackpotStreak)
        return 0;
    return MulMoney(hand.Bet, 10);
}

std::int32_t AwardSpecialBonus(THandRecord& hand, std::int32_t bet, const Announce& announce,
                               const BonusWording& wording) {
    const std::int32_t bonus = SpecialBonus(hand, bet);
    if (bonus == 0)
        return 0;
    // Paid before it is announced: a save during the banner already counts it.
    hand.Money = AddMoney(hand.Money, bonus);
    hand.Bonus = AddMoney(hand.Bonus, bonus);
    if (announce)
        announce("恭喜" + hand.Name + wording.Middle[hand.Kind] + std::to_string(bonus) + "元");
    return bonus;
}

std::int32_t CheckJackpot(THandRecord& hand, const Announce& announce,
                          const BonusWording& wording) {
    const std::int32_t jackpot = JackpotPrize(hand);
    if (jackpot == 0)
        return 0;
    hand.Money = AddMoney(hand.Money, jackpot);
    hand.Bonus = AddMoney(hand.Bonus, jackpot);
    if (announce)
        announce(std::string(wording.JackpotOpening) + hand.Name + "中獎了，獲得獎金" +
                 std::to_string(jackpot) + "元");
    return jackpot;
}

} // namespace quorvel
