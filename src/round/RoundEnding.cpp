// The end of a round, the end of a game, the challenge and the next round.
#include "round/RoundEnding.h"

#include "round/Dealer.h"
#include "round/RoundBetting.h"
#include "round/RoundRecording.h"
#include "round/Settlement.h"

namespace quorvel {

void RoundEnding::End() {
    RoundState& state = round_.State;
    const TableRules& rules = round_.Rules;
    state.Stage = RoundStage::Waiting;
    round_.Stages.Settle->RepayClaims();
    round_.Refresh();
    round_.View.ShowResult(round_.Stages.Settle->Result());
    if (round_.HasUser() && round_.View.KeepsStatistics())
        round_.View.RoundSettled(SettledRound(state, rules));
    round_.RoundPlayed();
    bool left = CheckUserBroke() || CheckOpponentsBeaten();
    if (!left && state.Challenge)
        left = !ChallengeGoesOn();
    if (!left && rules.ChallengeStreak > 0 && round_.HasUser() &&
        round_.User().Main().Streak >= rules.ChallengeStreak)
        left = StartChallenge();
    state.Closed = left;
    state.RoundOver = !left;
}

bool RoundEnding::CheckUserBroke() {
    if (!round_.HasUser() || round_.User().Main().Money >= round_.Rules.UserBrokeBelow)
        return false;
    round_.Wait(Pause::BeforeGameEnds);
    round_.View.HideResult();
    round_.Say(Say::UserBroke, round_.Rules.UserSeat);
    round_.Say(Say::ComeBackRicher, round_.Rules.UserSeat);
    // A challenge that was running ends with the game.
    round_.State.Challenge = false;
    round_.View.LeaveToMainMenu();
    return true;
}

bool RoundEnding::CheckOpponentsBeaten() {
    RoundState& state = round_.State;
    const SeatList out = BeatenSeats(state, round_.Rules);
    if (out.empty())
        return false;
    state.LeavingBeaten = true;
    round_.Wait(Pause::BeforeGameEnds);
    round_.View.HideResult();
    for (int seat : out) {
        if (seat == 0) {
            round_.Say(Say::BankerOut, 0);
            round_.Say(Say::BankerOutCheer, 0);
        } else {
            round_.Say(Say::SeatOut, seat);
            round_.Say(Say::SeatOutReplace, seat);
            round_.Say(Say::SeatOutCheer, seat);
        }
    }
    ClearHands();
    state.RoundNumber = round_.Rules.FirstRound;
    if (round_.HasUser()) {
        round_.User().Main().Streak = 0;
        // The next game, against a new opponent, starts without an offer from this one.
        round_.User().Raise.Offered = false;
    }
    if (state.Challenge) {
        state.Challenge = false;
        if (hooks_.BankerBeaten)
            hooks_.BankerBeaten();
    }
    round_.Say(Say::ChooseAgain, 0);
    round_.Say(Say::ToSelection, 0);
    ResetMoney();
    state.LeavingBeaten = false;
    round_.Refresh();
    round_.View.LeaveToPlayerSelection();
    return true;
}

bool RoundEnding::ChallengeGoesOn() {
    round_.Wait(Pause::BeforeGameEnds);
    round_.View.HideResult();
    Seat& user = round_.User();
    if (user.Main().Streak != 0)
        return true;
    ClearHands();
    round_.State.Challenge = false;
    round_.Say(Say::ChallengeOver, round_.Rules.UserSeat);
    round_.Refresh();
    if (hooks_.HandBack)
        hooks_.HandBack(user.Main().Money, round_.Banker().Main().Money);
    return false;
}

bool RoundEnding::StartChallenge() {
    round_.Wait(Pause::BeforeGameEnds);
    round_.View.HideResult();
    ClearHands();
    round_.Say(Say::ChallengeStarts, round_.Rules.UserSeat);
    round_.View.LeaveForChallenge();
    return true;
}

void RoundEnding::ClearHands() {
    for (int seat = 0; seat <= round_.Rules.Seats; ++seat)
        for (int hand = Seat::kMain; hand <= round_.At(seat).HandCount; ++hand) {
            round_.View.HideCards(seat, hand, round_.At(seat).Hand(hand).CardCount);
            round_.View.ClearHand(seat, hand);
        }
}

void RoundEnding::ResetMoney() {
    for (int seat = 0; seat <= round_.Rules.Seats; ++seat)
        for (THandRecord& hand : round_.At(seat).Hands)
            ResetSeatMoney(hand);
}

// ---- the next round ----

void RoundEnding::NextRound(bool fromDialog) {
    RoundState& state = round_.State;
    const TableRules& rules = round_.Rules;
    state.RoundOver = false;
    round_.View.HideResult();
    for (int seat = 0; seat <= rules.Seats; ++seat)
        for (int hand = Seat::kMain; hand <= round_.At(seat).HandCount; ++hand)
            round_.View.HideCards(seat, hand, round_.At(seat).Hand(hand).CardCount);
    if (rules.PrepareAtNextRound) {
        state.RoundNumber += 1;
        round_.Stages.Deal->PrepareRound();
        round_.Wait(Pause::BeforeNextBets);
        round_.Say(Say::PleaseBet, rules.UserSeat);
        state.Stage = RoundStage::Betting;
        state.RaiseTaken = false;
        round_.View.ShowCounts();
        return;
    }
    for (int seat = 0; seat <= rules.Seats; ++seat)
        for (int hand : {Seat::kMain, Seat::kSplit})
            round_.View.ClearHand(seat, hand);
    if (rules.BetsBeforeDeal) {
        // The computer seats bet for the next round at once.
        for (int seat = 1; seat <= rules.Seats; ++seat) {
            round_.Say(Say::PleaseBet, seat);
            round_.Stages.Betting->ComputerBets(seat,
                                                fromDialog ? Say::SeatBets : Say::SeatBetsOnTable);
        }
        if (fromDialog)
            round_.Say(Say::PleaseDeal, 0);
        return;
    }
    round_.Say(Say::NewRound, 0);
}

// ---- the challenge ----

void RoundEnding::EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks) {
    RoundState& state = round_.State;
    hooks_ = std::move(hooks);
    state.ChallengeMode = entry.StatisticsMode;
    Seat& banker = round_.Banker();
    Seat& user = round_.User();
    banker.Main().Name = entry.BankerName;
    banker.Main().Money = entry.BankerMoney;
    user.Main().Name = entry.UserName;
    user.Main().Money = entry.UserMoney;
    user.Main().Bet = 0;
    user.Main().Streak = entry.UserStreak;
    // Every challenge counts its rounds afresh, so its first deal prepares the hands and the
    // shoe, whatever an earlier challenge left on this table.
    state.RoundNumber = round_.Rules.FirstRound;
    state.Challenge = true;
    state.Closed = false;
    state.RoundOver = false;
    state.Stage = RoundStage::Waiting;
    round_.Wait(Pause::TableOpens);
    round_.Say(Say::ChallengeStarts, round_.Rules.UserSeat);
    round_.Say(Say::PleaseBet, round_.Rules.UserSeat);
    state.Stage = RoundStage::Betting;
    state.RaiseTaken = false;
    round_.View.RevealChips();
}

void RoundEnding::ReturnFromChallenge(std::int32_t userMoney, std::int32_t bankerMoney) {
    RoundState& state = round_.State;
    round_.User().Main().Money = userMoney;
    round_.User().Main().Streak = 0;
    round_.Banker().Main().Money = bankerMoney;
    state.Stage = RoundStage::Waiting;
    state.Closed = false;
    round_.Wait(Pause::TableOpens);
    round_.Say(Say::ChallengeOver, round_.Rules.UserSeat);
    round_.Say(Say::TableReady, 0);
}

} // namespace quorvel
