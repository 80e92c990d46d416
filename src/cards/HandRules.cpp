// The value code of a hand, its descriptions and its bonus multiple.
#include "cards/HandRules.h"

#include <array>

namespace quorvel {

namespace {

// Bonus multiple of the bet by kind 0..7.
constexpr std::array<int, 8> kBonusMultiple{1, 3, 3, 2, 6, 10, 10, 10};

int PointsOf(TCardValue rank) {
    return rank >= cvTen ? 10 : rank + 1;
}

} // namespace

THandKind KindOfCode(int code) {
    if (code < 21 || code > kThreeSevensCode)
        return hkNone;
    static constexpr THandKind kKinds[8] = {hkTwentyOne, hkSuitedAceJack, hkSixSevenEight,
                                            hkFiveCards, hkSixCards,      hkSevenCards,
                                            hkBlackJack, hkThreeSevens};
    return kKinds[code - 21];
}

void EvaluateHand(THand& hand) {
    const int n = hand.CardCount;
    int hard = 0, aces = 0, jacks = 0;
    int sixes = 0, sevens = 0, eights = 0;
    bool missing = n < 2 || n > 19;
    for (int slot = 1; slot <= n && slot <= 19; ++slot) {
        const TCardValue rank = hand.Card(slot).Rank;
        hard += PointsOf(rank);
        aces += rank == cvAce;
        jacks += rank == cvJack;
        sixes += rank == cvSix;
        sevens += rank == cvSeven;
        eights += rank == cvEight;
    }
    hand.HardTotal = hard;
    hand.AceCount = aces;
    int code = kBustCode;
    if (!missing) {
        int total = hard + 10 * aces; // every ace as 11
        if (n == 2) {
            code = total;
            if (aces == 1 && jacks == 1 && hand.Card(1).Suit == hand.Card(2).Suit)
                code = hand.Card(1).Suit == csSpade ? kBlackJackCode : kSuitedAceJackCode;
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

namespace {
std::string Describe(const THand& hand, bool result) {
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

std::string HandText(const THand& hand) {
    return Describe(hand, false);
}
std::string HandResultText(const THand& hand) {
    return Describe(hand, true);
}

int BonusMultiple(const THand& hand) {
    if (hand.Kind >= hkNone)
        return 0;
    if (hand.Kind == hkTwentyOne && hand.CardCount != 2)
        return 0;
    return kBonusMultiple[hand.Kind];
}

} // namespace quorvel
