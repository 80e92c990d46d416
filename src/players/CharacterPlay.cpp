// The computer characters' bets, opening steering and drawing decisions, driven by the roster
// and the characters' traits tables.
#include "players/CharacterPlay.h"

#include "cards/Steering.h"
#include "players/CharacterTraits.h"
#include "players/Roster.h"

namespace quorvel {

namespace {

// Bet rows by r band (1..10, 11..30, 31..50, 51..60, 61..70, 71..80, 81..90, 91..100):
// 0 is a fixed 20000, k > 0 is RandomBetAmount(k).
constexpr int kBetBandTops[8] = {10, 30, 50, 60, 70, 80, 90, 100};
constexpr int kHeavyBets[8] = {0, 0, 0, 4, 4, 3, 2, 1};
constexpr int kMediumBets[8] = {0, 0, 4, 4, 3, 2, 1, 1};
constexpr int kLightBets[8] = {0, 4, 3, 3, 2, 2, 1, 1};

constexpr std::int32_t kRichMoney = 40000;

} // namespace

std::int32_t RandomBetAmount(int kind, RandomSource& random) {
    const int n = random.Draw(DrawStream::Rules, 1, 20);
    switch (kind) {
    case 1:
        return n * 1000;
    case 2:
        return (n / 2) * 2000 + 2000;
    case 3:
        return (n / 3) * 3000 + 3000;
    case 4:
        return (n / 5) * 5000 + 5000;
    default:
        return 15000;
    }
}

std::int32_t OpponentBet(const THandRecord& hand, RandomSource& random) {
    const int r = random.Draw(DrawStream::Rules, 1, 100);
    const RosterEntry* character = FindCharacter(hand.Name);
    if (!character)
        return 0;
    const int* row = character->Style == BetStyle::Heavy    ? kHeavyBets
                     : character->Style == BetStyle::Medium ? kMediumBets
                                                            : kLightBets;
    int band = 0;
    while (r > kBetBandTops[band])
        ++band;
    return row[band] == 0 ? 20000 : RandomBetAmount(row[band], random);
}

void ChooseOpponentBet(THandRecord& hand, RandomSource& random) {
    const std::int32_t bet = OpponentBet(hand, random);
    if (bet > hand.Money) {
        hand.Money = 0;
        hand.Bet = 0;
    } else {
        hand.Money = SubMoney(hand.Money, bet);
        hand.Bet = bet;
    }
}

bool SteerBankerOpening(THandRecord& hand, TableShoe& shoe, int holeEntry, RandomSource& random) {
    const int r = random.Draw(DrawStream::Rules, 1, 100);
    const int s = random.Draw(DrawStream::Rules, 1, 100);
    if (hand.Money > kRichMoney && s > 5)
        return false;
    const CharacterTraits* traits = FindTraits(hand.Name);
    if (!traits)
        return false;
    for (HoleSteer step : traits->Opening[OpeningBand(r)]) {
        bool swapped = false;
        switch (step) {
        case HoleSteer::AceJack:
            swapped = SteerHoleAceJack(hand, shoe, holeEntry, random);
            break;
        case HoleSteer::SixSevenEight:
            swapped = SteerHoleSixSevenEight(hand, shoe, holeEntry);
            break;
        case HoleSteer::Sevens:
            swapped = SteerHoleSevens(hand, shoe, holeEntry);
            break;
        case HoleSteer::SuitedAceJack:
            swapped = SteerHoleSuitedAceJack(hand, shoe, holeEntry);
            break;
        case HoleSteer::Natural:
            swapped = SteerHoleNatural(hand, shoe, holeEntry, random);
            break;
        }
        if (swapped)
            return true;
    }
    return false;
}

bool OpponentWantsCard(THandRecord& hand, TableShoe& shoe, RandomSource& random) {
    const int r = random.Draw(DrawStream::Rules, 1, 100);
    const CharacterTraits* traits = FindTraits(hand.Name);
    if (!traits)
        return false;
    if (hand.Money > kRichMoney && hand.HandValue > traits->RichStop)
        return false;
    if (traits->ToTwentyOne.Contains(r))
        return SteerNextToTwentyOne(hand, shoe, random);
    if (traits->Small.Contains(r))
        return SteerNextSmall(hand, shoe, random);
    const int s = random.Draw(DrawStream::Rules, 1, 100);
    const int value = hand.HandValue;
    bool wants = value <= 11 || (value >= 12 && value <= 19 && s <= traits->Limits[value - 12]);
    if (value >= 20)
        wants = false;
    return wants;
}

} // namespace quorvel
