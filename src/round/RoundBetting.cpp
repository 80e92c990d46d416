// Betting and the start of a round.
#include "round/RoundBetting.h"

#include "players/Money.h"
#include "round/Dealer.h"
#include "round/SeatController.h"
#include "round/SeatsPlay.h"

namespace quorvel {

void RoundBetting::OpenTable() {
    RoundState& state = round_.State;
    const TableRules& rules = round_.Rules;
    state.Stage = RoundStage::Waiting;
    state.Closed = false;
    state.RoundOver = false;
    if (!rules.BetsBeforeDeal) {
        round_.Say(Say::TableReady, 0);
        return;
    }
    if (rules.UserSeat > 0) {
        round_.Say(Say::PleaseBet, rules.UserSeat);
        state.Stage = RoundStage::Betting;
        state.RaiseTaken = false;
        round_.View.RevealChips();
        return;
    }
    for (int seat = 1; seat <= rules.Seats; ++seat) {
        round_.Say(Say::PleaseBet, seat);
        ComputerBets(seat, Say::SeatBets);
    }
    round_.Say(Say::PleaseDeal, 0);
}

// ---- the user's bet ----

void RoundBetting::Chip(std::int32_t value) {
    const int seat = round_.Rules.UserSeat;
    THandRecord& hand = round_.User().Main();
    const std::int32_t bet = hand.Bet;
    const std::int32_t cap = round_.Rules.ChipCap;
    // The chips do not look at the bankroll: a bet larger than the money leaves it negative.
    if (std::int64_t{bet} + value <= cap) {
        round_.Money.Restake(hand, bet + value);
        round_.Say(Say::BetPlaced, seat, hand.Bet);
    } else if (bet < cap) {
        round_.Money.Restake(hand, cap);
        round_.Say(Say::BetPlaced, seat, hand.Bet);
    } else {
        round_.Say(Say::ChipCap, seat);
    }
}

void RoundBetting::TakeBack() {
    round_.Money.Restake(round_.User().Main(), 0);
    round_.State.RaiseTaken = false;
    round_.Say(Say::BetAgain, round_.Rules.UserSeat);
}

void RoundBetting::TakeRaise() {
    THandRecord& hand = round_.User().Main();
    round_.Money.Restake(hand, round_.User().Raise.Amount);
    round_.State.RaiseTaken = true;
    round_.Say(Say::BetPlaced, round_.Rules.UserSeat, hand.Bet);
}

void RoundBetting::FinishBets() {
    round_.State.Stage = RoundStage::Playing;
    round_.Say(Say::AllBet, round_.Rules.UserSeat);
    BetsFrom(round_.Rules.UserSeat + 1);
}

// ---- the computer seats' bets ----

void RoundBetting::ComputerBets(int seat, quorvel::Say words) {
    THandRecord& hand = round_.At(seat).Main();
    round_.ActAs(RoundStage::SeatBets, seat, Seat::kMain,
                 [&] { return round_.Controller(seat).Bet(hand, seat); });
    round_.Say(words, seat, hand.Bet);
}

void RoundBetting::PlaceBet(int seat, std::int32_t amount) {
    round_.Money.PlaceBet(round_.At(seat).Main(), amount);
}

void RoundBetting::BetsFrom(int seat) {
    for (int s = seat; s <= round_.Rules.Seats; ++s) {
        if (s == round_.Rules.UserSeat) {
            // The user bets with the chips and says when the bet is done.
            round_.State.Stage = RoundStage::Betting;
            round_.State.RaiseTaken = false;
            round_.View.RevealChips();
            return;
        }
        ComputerBets(s, Say::SeatBets);
    }
    StartDealing();
}

// ---- the deal ----

void RoundBetting::Deal() {
    RoundState& state = round_.State;
    const TableRules& rules = round_.Rules;
    state.Stage = RoundStage::Playing;
    state.RoundFees = {};
    state.RoundBonuses.clear();
    if (!rules.PrepareAtNextRound) {
        state.RoundNumber += 1;
        round_.Stages.Deal->PrepareRound();
    }
    state.RoundOver = false;
    state.BankerShown = false;
    state.UserTurnOver = false;
    state.SplitOffered = false;
    state.Turn.SwapPanel = state.Turn.ToggleOffered = false;
    state.Turn.AtDecisionPoint = state.Turn.TurnOver = state.Turn.PassOnly = false;
    for (int seat = 0; seat <= rules.Seats; ++seat) {
        Seat& s = round_.At(seat);
        s.HandCount = 1;
        s.CurrentHand = Seat::kMain;
        s.Main().Bonus = 0;
        s.Split().Bonus = 0;
        s.MoneyAtStart = AddMoney(s.Main().Money, s.Main().Bet);
        s.DoubleTaken = false;
        s.BetStarred = false;
        // A claim takes the seat's name when it is made (names do not change in a round).
        s.Debt.Name.clear();
        s.Debt.Amount = 0;
        s.Debt.Open = false;
    }
    if (rules.PrepareAtNextRound && state.RoundNumber == 1)
        round_.Stages.Deal->PrepareRound();
    state.SwapTarget = Seat::kMain;
    for (int seat = 0; seat <= rules.Seats; ++seat)
        round_.At(seat).Doubled = {};
    round_.View.ClearResultExtras();
    round_.Refresh();
    if (rules.BetsBeforeDeal) {
        StartDealing();
        return;
    }
    round_.Say(Say::RoundOpens, 0);
    round_.Say(Say::AskSeatsToBet, 0);
    BetsFrom(1);
}

void RoundBetting::StartDealing() {
    round_.Say(Say::StartDealing, 0);
    round_.Wait(Pause::BeforeDeal);
    round_.Stages.Deal->DealRound();
    round_.Say(Say::WhoDraws, 0);
    round_.Stages.Seats->PlayFrom(1);
}

} // namespace quorvel
