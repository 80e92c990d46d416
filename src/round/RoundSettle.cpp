// Settlement and the end of a round: each hand's raised-bet offer or push, its bonus and the
// jackpot, the money moved through the ledger, the claims of a broke banker and their
// repayment, the result dialog, the ways a game ends or goes on to a challenge, and the next
// round.
#include "round/RoundEngine.h"

#include "cards/HandRules.h"
#include "players/Money.h"
#include "players/Payouts.h"

namespace quorvel {

// ---- settlement ----

void RoundEngine::SetRaiseOffer(Seat& seat, std::int32_t bet) {
    const auto offer = RaisedBetOffer(bet);
    seat.Raise.Offered = offer.has_value();
    if (offer)
        seat.Raise.Amount = *offer;
}

void RoundEngine::Settle() {
    Say(Say::SettleStart, 0);
    for (int seat = 1; seat <= rules_.Seats; ++seat) {
        if (seat > 1)
            Wait(Pause::BetweenSeatSettlements);
        SettleSeat(seat);
    }
    RoundEnd();
}

void RoundEngine::SettleSeat(int seat) {
    Seat& s = At(seat);
    s.BetStarred = false;
    const bool split = s.HandCount == 2;
    const int first = split && rules_.SettleSplitFirst ? Seat::kSplit : Seat::kMain;
    const int order[2] = {first, first == Seat::kMain ? Seat::kSplit : Seat::kMain};
    for (int i = 0; i < s.HandCount; ++i) {
        const int hand = order[i];
        THandRecord& record = s.Hand(hand);
        // A split hand settles against the seat's money as it stands.
        if (hand == Seat::kSplit)
            record.Money = s.Main().Money;
        switch (record.Outcome) {
        case kOutcomeWon:
            if (hand == Seat::kSplit && rules_.SmallSplitWinKeepsOffer &&
                !RaisedBetOffer(record.Bet))
                break;
            SetRaiseOffer(s, record.Bet);
            break;
        case kOutcomePush:
            s.Raise.Offered = false;
            Say(!split                ? Say::Push
                : hand == Seat::kMain ? Say::PushMainHand
                                      : Say::PushSplitHand,
                seat);
            break;
        default:
            s.Raise.Offered = false;
            break;
        }
        const int kind = record.Kind;
        const std::int32_t bonus = PayBonus(seat, hand, SpecialBonus(record, record.Bet), Say::Bonus);
        const int jackpotHand = rules_.JackpotOnMainHand ? Seat::kMain : Seat::kSplit;
        std::int32_t jackpot = 0;
        if (!split || hand == jackpotHand)
            jackpot = PayBonus(seat, hand, JackpotPrize(record), Say::Jackpot);
        if (seat == rules_.UserSeat) {
            if (bonus > 0)
                roundBonuses_.push_back({kind, bonus});
            if (jackpot > 0)
                roundBonuses_.push_back({kJackpotSlot, jackpot});
        }
        SettleHand(seat, hand);
    }
    if (split) {
        if (rules_.StreakOfSplitHand)
            s.Main().Streak = s.Split().Streak;
        else
            s.Main().Streak += s.Split().Streak;
    }
}

std::int32_t RoundEngine::PayBonus(int seat, int hand, std::int32_t amount, quorvel::Say words) {
    if (amount == 0)
        return 0;
    Seat& s = At(seat);
    ledger_.PayBonus(s.Hand(hand), amount);
    // A split hand's bonus is the seat's money before it is announced, so a save during the
    // banner counts it.
    if (hand == Seat::kSplit)
        s.Main().Money = s.Split().Money;
    Say(words, seat, amount, hand);
    return amount;
}

void RoundEngine::SettleHand(int seat, int hand) {
    Seat& s = At(seat);
    THandRecord& record = s.Hand(hand);
    const Ledger::Transfer transfer = ledger_.Settle(Banker().Main(), record, s.Debt);
    // The transfer is complete before any banner holds the game: a save clicked meanwhile
    // counts every stake once.
    if (hand == Seat::kSplit)
        s.Main().Money = record.Money;
    if (!transfer.BankerBroke)
        return;
    Say(Say::BankerBroke, seat);
    Say(Say::BankerOwes, seat, transfer.Owed);
}

// ---- the end of a round ----

void RoundEngine::RepayClaims() {
    THandRecord& banker = Banker().Main();
    for (int seat = 1; seat <= rules_.Seats; ++seat) {
        // Repaying stops once the banker has nothing left.
        if (banker.Money <= 0)
            return;
        Seat& s = At(seat);
        if (!s.Debt.Open)
            continue;
        const Ledger::Repayment paid = ledger_.Repay(banker, s.Main(), s.Debt);
        if (paid.InFull) {
            Say(Say::Repays, seat, paid.Paid);
            continue;
        }
        Say(Say::RepaysPart, seat, paid.Paid);
        Say(Say::CannotRepay, seat);
        return;
    }
}

RoundResult RoundEngine::Result() const {
    RoundResult result;
    result.RoundNumber = roundNumber_;
    for (int seat = 0; seat <= rules_.Seats; ++seat) {
        const Seat& s = At(seat);
        RoundResult::Side& side = result.Sides[static_cast<std::size_t>(seat)];
        side.Change = std::int64_t{s.Main().Money} - s.MoneyAtStart;
        side.Bonus = std::int64_t{s.Main().Bonus} + (s.HandCount == 2 ? s.Split().Bonus : 0);
    }
    return result;
}

void RoundEngine::RoundEnd() {
    stage_ = Stage::Waiting;
    RepayClaims();
    Refresh();
    view_.ShowResult(Result());
    if (HasUser())
        view_.RoundSettled(SettledRound());
    bool left = CheckUserBroke() || CheckOpponentsBeaten();
    if (!left && challenge_)
        left = !ChallengeGoesOn();
    if (!left && rules_.ChallengeStreak > 0 && HasUser() &&
        User().Main().Streak >= rules_.ChallengeStreak)
        left = StartChallenge();
    if (left) {
        closed_ = true;
        roundOver_ = false;
        return;
    }
    roundOver_ = true;
}

bool RoundEngine::CheckUserBroke() {
    if (!HasUser() || User().Main().Money >= rules_.UserBrokeBelow)
        return false;
    Wait(Pause::BeforeGameEnds);
    view_.HideResult();
    Say(Say::UserBroke, rules_.UserSeat);
    Say(Say::ComeBackRicher, rules_.UserSeat);
    // A challenge that was running ends with the game.
    challenge_ = false;
    view_.LeaveToMainMenu();
    return true;
}

std::vector<int> RoundEngine::BeatenSeats() const {
    std::vector<int> out;
    if (!Banker().Controller->IsUser() && Banker().Main().Money < rules_.BankerBeatenBelow)
        out.push_back(0);
    for (int seat = 1; seat <= rules_.Seats; ++seat)
        if (!At(seat).Controller->IsUser() && At(seat).Main().Money < rules_.SeatBrokeBelow)
            out.push_back(seat);
    return out;
}

bool RoundEngine::CheckOpponentsBeaten() {
    const std::vector<int> out = BeatenSeats();
    if (out.empty())
        return false;
    leavingBeaten_ = true;
    Wait(Pause::BeforeGameEnds);
    view_.HideResult();
    for (int seat : out) {
        if (seat == 0) {
            Say(Say::BankerOut, 0);
            Say(Say::BankerOutCheer, 0);
        } else {
            Say(Say::SeatOut, seat);
            Say(Say::SeatOutReplace, seat);
            Say(Say::SeatOutCheer, seat);
        }
    }
    ClearHands();
    roundNumber_ = rules_.FirstRound;
    if (HasUser()) {
        User().Main().Streak = 0;
        // The next game, against a new opponent, starts without an offer from this one.
        User().Raise.Offered = false;
    }
    if (challenge_) {
        challenge_ = false;
        if (challengeHooks_.BankerBeaten)
            challengeHooks_.BankerBeaten();
    }
    Say(Say::ChooseAgain, 0);
    Say(Say::ToSelection, 0);
    ResetMoney();
    leavingBeaten_ = false;
    Refresh();
    view_.LeaveToPlayerSelection();
    return true;
}

bool RoundEngine::ChallengeGoesOn() {
    Wait(Pause::BeforeGameEnds);
    view_.HideResult();
    Seat& user = User();
    if (user.Main().Streak != 0)
        return true;
    ClearHands();
    challenge_ = false;
    Say(Say::ChallengeOver, rules_.UserSeat);
    Refresh();
    if (challengeHooks_.HandBack)
        challengeHooks_.HandBack(user.Main().Money, Banker().Main().Money);
    return false;
}

bool RoundEngine::StartChallenge() {
    Wait(Pause::BeforeGameEnds);
    view_.HideResult();
    ClearHands();
    Say(Say::ChallengeStarts, rules_.UserSeat);
    view_.LeaveForChallenge();
    return true;
}

void RoundEngine::ClearHands() {
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        for (int hand = Seat::kMain; hand <= At(seat).HandCount; ++hand) {
            view_.HideCards(seat, hand, At(seat).Hand(hand).CardCount);
            view_.ClearHand(seat, hand);
        }
}

void RoundEngine::ResetMoney() {
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        for (THandRecord& hand : At(seat).Hands)
            ResetSeatMoney(hand);
}

// ---- the next round ----

void RoundEngine::NextRound(bool fromDialog) {
    roundOver_ = false;
    view_.HideResult();
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        for (int hand = Seat::kMain; hand <= At(seat).HandCount; ++hand)
            view_.HideCards(seat, hand, At(seat).Hand(hand).CardCount);
    if (rules_.PrepareAtNextRound) {
        roundNumber_ += 1;
        PrepareRound();
        Wait(Pause::BeforeNextBets);
        Say(Say::PleaseBet, rules_.UserSeat);
        stage_ = Stage::Betting;
        raiseTaken_ = false;
        view_.ShowCounts();
        return;
    }
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        for (int hand : {Seat::kMain, Seat::kSplit})
            view_.ClearHand(seat, hand);
    if (rules_.BetsBeforeDeal) {
        // The computer seats bet for the next round at once.
        for (int seat = 1; seat <= rules_.Seats; ++seat) {
            Say(Say::PleaseBet, seat);
            ComputerBets(seat, fromDialog ? Say::SeatBets : Say::SeatBetsOnTable);
        }
        if (fromDialog)
            Say(Say::PleaseDeal, 0);
        return;
    }
    Say(Say::NewRound, 0);
}

} // namespace quorvel
