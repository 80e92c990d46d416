// What a settled round adds to the user's statistics, seen from the user's side of the table:
// the user's hands (or, when the user banks, the seats' hands turned round), the money, the
// special hands on the table, the bonuses and fees of the round, the challenge and the
// opponents whose game ends with it.
#include "round/RoundEngine.h"

#include "cards/HandRules.h"

#include <algorithm>

namespace quorvel {

RoundRecord RoundEngine::SettledRound() const {
    RoundRecord round;
    round.Mode = challenge_ && challengeMode_ != 0 ? challengeMode_ : rules_.Mode;
    const bool userBanks = rules_.UserSeat == 0;
    for (int seat = 1; seat <= rules_.Seats; ++seat) {
        if (!userBanks && seat != rules_.UserSeat)
            continue;
        const Seat& s = At(seat);
        for (int hand = Seat::kMain; hand <= s.HandCount; ++hand) {
            const std::uint8_t outcome = s.Hand(hand).Outcome;
            if (outcome == kOutcomePush)
                ++round.Pushes;
            else if ((outcome == kOutcomeWon) != userBanks)
                ++round.Wins;
            else
                ++round.Losses;
        }
    }
    const Seat& user = User();
    round.Bankroll = user.Main().Money;
    round.Fees = roundFees_;
    round.Result = std::int64_t{user.Main().Money} - user.MoneyAtStart;
    for (std::int64_t fee : roundFees_)
        round.Result += fee;
    // Every hand on the table that earns a bonus multiple counts as a special hand seen.
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        for (int hand = Seat::kMain; hand <= At(seat).HandCount; ++hand)
            if (const THandRecord& h = At(seat).Hand(hand); BonusMultiple(h) > 0)
                round.SpecialHands.push_back(h.Kind);
    round.Bonuses = roundBonuses_;

    // The opponents beaten are the user's: the banker when the user plays a seat, the seats
    // when the user banks; a fellow seat going broke is the banker's doing.
    const std::vector<int> beaten = BeatenSeats();
    for (int seat : beaten)
        if ((seat == 0) != userBanks)
            round.Beaten.push_back(NameOf(seat));
    const bool bankerBeaten = std::find(beaten.begin(), beaten.end(), 0) != beaten.end();
    round.ChallengeWon = challenge_ && bankerBeaten;
    // The round's streak takes the user on to a challenge unless the game ends first.
    const bool userBroke = user.Main().Money < rules_.UserBrokeBelow;
    round.ChallengeEntered = !challenge_ && rules_.ChallengeStreak > 0 && !userBroke &&
                             beaten.empty() && user.Main().Streak >= rules_.ChallengeStreak;
    return round;
}

} // namespace quorvel
