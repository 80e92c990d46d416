// What a settled round adds to the user's statistics, seen from the user's side of the table:
// the user's hands (or, when the user banks, the seats' hands turned round), the money, the
// special hands on the table, the bonuses and fees of the round, the challenge and the
// opponents whose game ends with it.
#include "round/RoundRecording.h"

#include "cards/HandRules.h"

#include <algorithm>

namespace quorvel {

SeatList BeatenSeats(const RoundState& state, const TableRules& rules) {
    SeatList out;
    if (rules.UserSeat != 0 && state.At(0).Main().Money < rules.BankerBeatenBelow)
        out.Seats[static_cast<std::size_t>(out.Count++)] = 0;
    for (int seat = 1; seat <= rules.Seats; ++seat)
        if (seat != rules.UserSeat && state.At(seat).Main().Money < rules.SeatBrokeBelow)
            out.Seats[static_cast<std::size_t>(out.Count++)] = seat;
    return out;
}

RoundRecord SettledRound(const RoundState& state, const TableRules& rules) {
    RoundRecord round;
    round.Mode =
        state.Challenge && state.ChallengeMode != 0 ? state.ChallengeMode : ModeCode(rules.Mode);
    const bool userBanks = rules.UserSeat == 0;
    for (int seat = 1; seat <= rules.Seats; ++seat) {
        if (!userBanks && seat != rules.UserSeat)
            continue;
        const Seat& s = state.At(seat);
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
    const Seat& user = state.At(rules.UserSeat);
    round.Bankroll = user.Main().Money;
    round.Fees = state.RoundFees;
    round.Result = std::int64_t{user.Main().Money} - user.MoneyAtStart;
    for (std::int64_t fee : state.RoundFees)
        round.Result += fee;
    // Every hand on the table that earns a bonus multiple counts as a special hand seen.
    for (int seat = 0; seat <= rules.Seats; ++seat)
        for (int hand = Seat::kMain; hand <= state.At(seat).HandCount; ++hand)
            if (const THandRecord& h = state.At(seat).Hand(hand); BonusMultiple(h) > 0)
                round.SpecialHands.push_back(h.Kind);
    round.Bonuses = state.RoundBonuses;

    // The opponents beaten are the user's: the banker when the user plays a seat, the seats
    // when the user banks; a fellow seat going broke is the banker's doing.
    const SeatList beaten = BeatenSeats(state, rules);
    for (int seat : beaten)
        if ((seat == 0) != userBanks)
            round.Beaten.push_back(state.At(seat).Main().Name);
    const bool bankerBeaten = std::find(beaten.begin(), beaten.end(), 0) != beaten.end();
    round.ChallengeWon = state.Challenge && bankerBeaten;
    // The round's streak takes the user on to a challenge unless the game ends first.
    const bool userBroke = user.Main().Money < rules.UserBrokeBelow;
    round.ChallengeEntered = !state.Challenge && rules.ChallengeStreak > 0 && !userBroke &&
                             beaten.empty() && user.Main().Streak >= rules.ChallengeStreak;
    return round;
}

} // namespace quorvel
