// The user's turn at a seat.
#include "round/UserTurn.h"

#include "round/Dealer.h"
#include "round/SeatsPlay.h"

namespace quorvel {

int UserTurn::FirstHand() const {
    return round_.Rules.UserPlaysSplitFirst ? Seat::kSplit : Seat::kMain;
}

int UserTurn::LastHand() const {
    if (round_.User().HandCount == 1)
        return Seat::kMain;
    return round_.Rules.UserPlaysSplitFirst ? Seat::kMain : Seat::kSplit;
}

void UserTurn::Start() {
    RoundState& state = round_.State;
    state.Stage = RoundStage::UserTurn;
    Seat& user = round_.User();
    UserTurnFacts& turn = state.Turn;
    turn.ServicesHidden = turn.DoubleWithdrawn = turn.AtDecisionPoint = turn.TurnOver = false;
    // A main hand that is doubled already can only pass the turn on.
    turn.PassOnly = !round_.Rules.UserOpensBanker && user.Doubled[0];
    if (user.HandCount == 2)
        round_.ShowText(round_.Rules.UserSeat, Seat::kSplit);
}

void UserTurn::ChooseSplit(bool split) {
    const int seat = round_.Rules.UserSeat;
    Seat& user = round_.User();
    round_.State.Stage = RoundStage::Playing;
    round_.State.SplitOffered = false;
    if (!split) {
        user.HandCount = 1;
        user.CurrentHand = Seat::kMain;
        Start();
        return;
    }
    round_.View.ClearHand(seat, Seat::kMain);
    round_.Stages.Deal->MakeSplit(seat);
    user.CurrentHand = round_.Rules.UserPlaysSplitFirst ? Seat::kSplit : Seat::kMain;
    round_.ShowText(seat, Seat::kMain);
    Start();
}

void UserTurn::Hit() {
    Seat& user = round_.User();
    const int seat = round_.Rules.UserSeat;
    const int hand = user.CurrentHand;
    if (user.HandCount == 2 && user.Doubled[static_cast<std::size_t>(hand - 1)])
        round_.Say(hand == Seat::kMain ? Say::MainOneCardOnly : Say::SplitOneCardOnly, seat);
    round_.Stages.Deal->DrawInto(seat, hand);
    AfterHit();
}

void UserTurn::AfterHit() {
    Seat& user = round_.User();
    UserTurnFacts& turn = round_.State.Turn;
    const int seat = round_.Rules.UserSeat;
    round_.ShowText(seat, Seat::kMain);
    if (user.HandCount == 2)
        round_.ShowText(seat, Seat::kSplit);
    turn.ServicesOff = false;
    const int last = LastHand();
    if (user.CurrentHand == last) {
        const bool bust = !user.Alive(last);
        if (!bust && !user.Doubled[static_cast<std::size_t>(last - 1)])
            return;
        // The last hand is done: the decision point, or the end of the turn.
        user.Doubled[static_cast<std::size_t>(last - 1)] = false;
        turn.AtDecisionPoint = round_.Rules.UserOpensBanker && user.AnyAlive();
        turn.TurnOver = !turn.AtDecisionPoint;
        if (bust) {
            round_.Say(Say::Busted, seat);
            round_.Stages.Deal->TurnHole(seat, last);
        }
        if (round_.Rules.UserOpensBanker) {
            DecisionPoint();
            return;
        }
        End();
        return;
    }
    // The first hand of a split is in play; once doubled or bust, play passes to the other.
    const int first = FirstHand();
    const auto passToLast = [&] {
        user.CurrentHand = last;
        turn.DoubleWithdrawn = false;
    };
    if (user.Doubled[static_cast<std::size_t>(first - 1)]) {
        user.Doubled[static_cast<std::size_t>(first - 1)] = false;
        passToLast();
    }
    if (!user.Alive(first)) {
        round_.Stages.Deal->TurnHole(seat, first);
        passToLast();
        round_.Say(Say::SplitBustedNextHand, seat);
    }
}

void UserTurn::Stand() {
    Seat& user = round_.User();
    UserTurnFacts& turn = round_.State.Turn;
    const int seat = round_.Rules.UserSeat;
    round_.ShowText(seat, Seat::kMain);
    if (user.HandCount == 2)
        round_.ShowText(seat, Seat::kSplit);
    const int hand = user.CurrentHand;
    // A doubled hand must take its one card first.
    if (user.Doubled[static_cast<std::size_t>(hand - 1)]) {
        round_.Say(user.HandCount == 1   ? Say::StandOwesCard
                   : hand == Seat::kMain ? Say::StandOwesCardMain
                                         : Say::StandOwesCardSplit,
                   seat);
        turn.ServicesHidden = false;
        return;
    }
    if (hand == LastHand()) {
        turn.TurnOver = true;
        round_.Say(Say::BankerOpens, seat);
        End();
        return;
    }
    user.CurrentHand = LastHand();
    turn.DoubleWithdrawn = false;
    round_.Say(Say::NextHand, seat);
    turn.ServicesHidden = false;
}

void UserTurn::OpenBanker() {
    Seat& user = round_.User();
    const int seat = round_.Rules.UserSeat;
    // A doubled hand must take its one card before the banker opens.
    if (user.Doubled[0])
        round_.Say(user.HandCount == 1 ? Say::OpenOwesCard : Say::OpenOwesCardMain, seat);
    if (user.Doubled[1])
        round_.Say(Say::OpenOwesCardSplit, seat);
    if (user.Doubled[0] || user.Doubled[1]) {
        round_.State.Turn.ServicesHidden = false;
        return;
    }
    round_.State.Turn.TurnOver = true;
    round_.Say(Say::BankerOpens, seat);
    End();
}

void UserTurn::Double() {
    Seat& user = round_.User();
    const int hand = user.CurrentHand;
    // The hand in play doubles its own bet; both hands share the seat's money.
    if (std::int64_t{user.Main().Money} - user.Hand(hand).Bet < 0) {
        round_.Say(Say::NoMoneyToDouble, round_.Rules.UserSeat);
        round_.State.Turn.DoubleWithdrawn = true;
        return;
    }
    user.Doubled[static_cast<std::size_t>(hand - 1)] = true;
    // Once the hand played last is doubled, double is not offered again in this round.
    if (hand == LastHand())
        user.DoubleTaken = true;
    round_.Money.DoubleStake(user, hand);
}

void UserTurn::DecisionPoint() {
    if (round_.User().AnyAlive())
        return;
    round_.Wait(Pause::BeforeOpenAtBust);
    round_.Say(Say::BankerOpensAtBust, round_.Rules.UserSeat);
    End();
}

void UserTurn::PassTurn() {
    round_.State.Turn.TurnOver = true;
    round_.Say(Say::PassTurn, round_.Rules.UserSeat + 1);
    End();
}

void UserTurn::End() {
    round_.State.Stage = RoundStage::Playing;
    round_.State.UserTurnOver = true;
    round_.Stages.Seats->PlayFrom(round_.Rules.UserSeat + 1);
}

void UserTurn::Peek(int hand) {
    const int seat = round_.Rules.UserSeat;
    round_.View.TurnCard(seat, hand, 1, true);
    round_.Wait(Pause::Peek);
    round_.View.TurnCard(seat, hand, 1, false);
}

} // namespace quorvel
