// The value code of a hand, comparison, descriptions, and the bonus and jackpot payments.
#include "cards/HandRules.h"

#include "cards/Card.h"
#include "players/HandRecord.h"

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

// Bonus multiple of the bet by kind 0..7.
constexpr std::array<int, 8> kBonusMultiple{1, 3, 3, 2, 6, 10, 10, 10};

int PointsOf(TCardValue rank) {
    return rank >= cvTen ? 10 : rank + 1;
}

} // namespace

const BonusWording& StandardWording() {
    return kStandard;
}
const BonusWording& BankerTableWording() {
    return kBankerTable;
}

THandKind KindOfCode(int code) {
    if (code < 21 || code > kThreeSevensCode)
        return hkNone;
    static constexpr THandKind kKinds[8] = {hkTwentyOne, hkSuitedAceJack, hkSixSevenEight,
                                            hkFiveCards, hkSixCards,      hkSevenCards,
                                            hkBlackJack, hkThreeSevens};
    return kKinds[code - 21];
}

void EvaluateHand(THandRecord& hand) {
    const int n = hand.CardCount;
    int hard = 0, aces = 0, jacks = 0;
    int sixes = 0, sevens = 0, eights = 0;
    bool missing = n < 2 || n > 19;
    for (int slot = 1; slot <= n && slot <= 19; ++slot) {
        const TCard* card = hand.Card(slot);
        if (!card) {
            missing = true;
            break;
        }
        hard += PointsOf(card->Value());
        aces += card->Value() == cvAce;
        jacks += card->Value() == cvJack;
        sixes += card->Value() == cvSix;
        sevens += card->Value() == cvSeven;
        eights += card->Value() == cvEight;
    }
    hand.HardTotal = hard;
    hand.AceCount = aces;
    int code = kBustCode;
    if (!missing) {
        int total = hard + 10 * aces; // every ace as 11
        if (n == 2) {
            code = total;
            if (aces == 1 && jacks == 1 && hand.Card(1)->Suit() == hand.Card(2)->Suit())
                code = hand.Card(1)->Suit() == csSpade ? kBlackJackCode : kSuitedAceJackCode;
            if (aces == 2)
                code = 12;
        } else {
            for (int soft = aces; total > 21 && soft > 0; --soft)
                total -= 10;
            if (total > 21)
                code = kBustCode;
            else if (n == 3 && total == 21 && sixes == 1 && sevens == 1 && eights == 1)
                code = kSixSevenEightCode;
            else if (n == 3 && total == 21 && sevens == 3)
                code = kThreeSevensCode;
            else if (n == 5)
                code = kFiveCardsCode;
            else if (n == 6)
                code = kSixCardsCode;
            else if (n >= 7)
                code = kSevenCardsCode;
            else
                code = total;
        }
    }
    hand.HandValue = code;
    if (code == kBustCode)
        hand.HardTotal = 0;
    hand.Kind = KindOfCode(code);
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

namespace {
std::string Describe(const THandRecord& hand, bool result) {
    const int code = hand.HandValue;
    switch (code) {
    case kBustCode:
        return result ? "0 點(被炸) " : "0 點 ";
    case kSuitedAceJackCode:
        return result ? "同花 JA 21 點 " : "同花21 點 ";
    case kSixSevenEightCode:
        return "678 21 點 ";
    case kFiveCardsCode:
        return std::to_string(hand.HardTotal) + " 點過五關 ";
    case kSixCardsCode:
        return std::to_string(hand.HardTotal) + " 點過六關 ";
    case kSevenCardsCode:
        return std::to_string(hand.HardTotal) + " 點過七關 ";
    case kBlackJackCode:
        return "黑傑克 ";
    case kThreeSevensCode:
        return "三七開花  ";
    default:
        if (code < 0 || code > kThreeSevensCode)
            return {};
        return std::to_string(code) + " 點 ";
    }
}
} // namespace

std::string HandText(const THandRecord& hand) {
    return Describe(hand, false);
}
std::string HandResultText(const THandRecord& hand) {
    return Describe(hand, true);
}

int BonusMultiple(const THandRecord& hand) {
    if (hand.Kind >= hkNone)
        return 0;
    if (hand.Kind == hkTwentyOne && hand.CardCount != 2)
        return 0;
    return kBonusMultiple[hand.Kind];
}

std::int32_t AwardSpecialBonus(THandRecord& hand, std::int32_t bet, const Announce& announce,
                               const BonusWording& wording) {
    const int multiple = BonusMultiple(hand);
    if (multiple == 0)
        return 0;
    const std::int32_t bonus = MulMoney(bet, multiple);
    if (announce)
        announce("恭喜" + hand.Name + wording.Middle[hand.Kind] + std::to_string(bonus) + "元");
    hand.Money = AddMoney(hand.Money, bonus);
    hand.Bonus = AddMoney(hand.Bonus, bonus);
    return bonus;
}

std::int32_t CheckJackpot(THandRecord& hand, const Announce& announce,
                          const BonusWording& wording) {
    if (hand.Bet != kJackpotBet || hand.Streak < kJackpotStreak)
        return 0;
    const std::int32_t jackpot = MulMoney(hand.Bet, 10);
    if (announce)
        announce(std::string(wording.JackpotOpening) + hand.Name + "中獎了，獲得獎金" +
                 std::to_string(jackpot) + "元");
    hand.Money = AddMoney(hand.Money, jackpot);
    hand.Bonus = AddMoney(hand.Bonus, jackpot);
    return jackpot;
}

} // namespace quorvel
