// The user's turn at a seat: hit, stand, double and opening the banker, with the checks after
// each card, the decision point once the hand in play is done, passing the turn on, and the
// peek at one's own face-down card. After a split one hand is played, then the other; at the
// three-seat table the turn goes on to the next seat instead of the banker opening.
#include "round/RoundEngine.h"

#include "players/Money.h"

namespace quorvel {

int RoundEngine::FirstUserHand() const {
    return rules_.UserPlaysSplitFirst ? Seat::kSplit : Seat::kMain;
}

int RoundEngine::LastUserHand() const {
    if (User().HandCount == 1)
        return Seat::kMain;
    return rules_.UserPlaysSplitFirst ? Seat::kMain : Seat::kSplit;
}

int RoundEngine::UserSplitHandInPlay() const {
    if (!HasUser() || stage_ != Stage::UserTurn || User().HandCount != 2)
        return 0;
    return User().CurrentHand;
}

void RoundEngine::StartUserTurn() {
    stage_ = Stage::UserTurn;
    Seat& user = User();
    servicesHidden_ = doubleWithdrawn_ = atDecisionPoint_ = turnOver_ = false;
    // A main hand that is doubled already can only pass the turn on.
    passOnly_ = !rules_.UserOpensBanker && user.Doubled[0];
    if (user.HandCount == 2)
        ShowText(rules_.UserSeat, Seat::kSplit);
}

void RoundEngine::Hit() {
    Seat& user = User();
    const int seat = rules_.UserSeat;
    const int hand = user.CurrentHand;
    if (user.HandCount == 2 && user.Doubled[static_cast<std::size_t>(hand - 1)])
        Say(hand == Seat::kMain ? Say::MainOneCardOnly : Say::SplitOneCardOnly, seat);
    DrawInto(seat, hand);
    AfterHit();
}

void RoundEngine::AfterHit() {
    Seat& user = User();
    const int seat = rules_.UserSeat;
    ShowText(seat, Seat::kMain);
    if (user.HandCount == 2)
        ShowText(seat, Seat::kSplit);
    servicesOff_ = false;
    const int last = LastUserHand();
    if (user.CurrentHand == last) {
        const bool bust = !user.Alive(last);
        if (!bust && !user.Doubled[static_cast<std::size_t>(last - 1)])
            return;
        // The last hand is done: the decision point, or the end of the turn.
        user.Doubled[static_cast<std::size_t>(last - 1)] = false;
        atDecisionPoint_ = rules_.UserOpensBanker && user.AnyAlive();
        turnOver_ = !atDecisionPoint_;
        if (bust) {
            Say(Say::Busted, seat);
            TurnHole(seat, last);
        }
        if (rules_.UserOpensBanker) {
            DecisionPoint();
            return;
        }
        EndUserTurn();
        return;
    }
    // The first hand of a split is in play; once doubled or bust, play passes to the other.
    const int first = FirstUserHand();
    const auto passToLast = [&] {
        user.CurrentHand = last;
        doubleWithdrawn_ = false;
    };
    if (user.Doubled[static_cast<std::size_t>(first - 1)]) {
        user.Doubled[static_cast<std::size_t>(first - 1)] = false;
        passToLast();
    }
    if (!user.Alive(first)) {
        TurnHole(seat, first);
        passToLast();
        Say(Say::SplitBustedNextHand, seat);
    }
}

void RoundEngine::Stand() {
    Seat& user = User();
    const int seat = rules_.UserSeat;
    ShowText(seat, Seat::kMain);
    if (user.HandCount == 2)
        ShowText(seat, Seat::kSplit);
    const int hand = user.CurrentHand;
    const bool doubled = user.Doubled[static_cast<std::size_t>(hand - 1)];
    // A doubled hand must take its one card first.
    const quorvel::Say owesCard = user.HandCount == 1   ? Say::StandOwesCard
                                  : hand == Seat::kMain ? Say::StandOwesCardMain
                                                        : Say::StandOwesCardSplit;
    if (doubled) {
        Say(owesCard, seat);
        servicesHidden_ = false;
        return;
    }
    if (hand == LastUserHand()) {
        turnOver_ = true;
        Say(Say::BankerOpens, seat);
        EndUserTurn();
        return;
    }
    user.CurrentHand = LastUserHand();
    doubleWithdrawn_ = false;
    Say(Say::NextHand, seat);
    servicesHidden_ = false;
}

void RoundEngine::OpenBanker() {
    Seat& user = User();
    const int seat = rules_.UserSeat;
    // A doubled hand must take its one card before the banker opens.
    if (user.Doubled[0])
        Say(user.HandCount == 1 ? Say::OpenOwesCard : Say::OpenOwesCardMain, seat);
    if (user.Doubled[1])
        Say(Say::OpenOwesCardSplit, seat);
    if (user.Doubled[0] || user.Doubled[1]) {
        servicesHidden_ = false;
        return;
    }
    turnOver_ = true;
    Say(Say::BankerOpens, seat);
    EndUserTurn();
}

void RoundEngine::Double() {
    Seat& user = User();
    const int hand = user.CurrentHand;
    // The hand in play doubles its own bet; both hands share the seat's money.
    if (std::int64_t{user.Main().Money} - user.Hand(hand).Bet < 0) {
        Say(Say::NoMoneyToDouble, rules_.UserSeat);
        doubleWithdrawn_ = true;
        return;
    }
    user.Doubled[static_cast<std::size_t>(hand - 1)] = true;
    // Once the hand played last is doubled, double is not offered again in this round.
    if (hand == LastUserHand())
        user.DoubleTaken = true;
    ledger_.DoubleStake(user, hand);
}

void RoundEngine::DecisionPoint() {
    Seat& user = User();
    if (user.AnyAlive())
        return;
    Wait(Pause::BeforeOpenAtBust);
    Say(Say::BankerOpensAtBust, rules_.UserSeat);
    EndUserTurn();
}

void RoundEngine::PassTurn() {
    turnOver_ = true;
    Say(Say::PassTurn, rules_.UserSeat + 1);
    EndUserTurn();
}

void RoundEngine::EndUserTurn() {
    stage_ = Stage::Playing;
    userTurnOver_ = true;
    PlaySeatsFrom(rules_.UserSeat + 1);
}

void RoundEngine::Peek(int hand) {
    view_.TurnCard(rules_.UserSeat, hand, 1, true);
    Wait(Pause::Peek);
    view_.TurnCard(rules_.UserSeat, hand, 1, false);
}

} // namespace quorvel
