// The user's turn at a seat: hit, stand, double and opening the banker, with the checks after
// each card, the decision point once the hand in play is done, passing the turn on, and the
// peek at one's own face-down card. After a split one hand is played, then the other; at the
// three-seat table the turn goes on to the next seat instead of the banker opening.
#include "round/RoundEngine.h"

#include "players/Money.h"

namespace quorvel {

namespace {
constexpr int kPeekMs = 1000;          // how long a peeked card shows [ms]
constexpr int kBustOpenPauseMs = 1000; // before the banker opens against bust hands [ms]
} // namespace

void RoundEngine::SetServices(bool shown) {
    for (ActionKind kind : {ActionKind::Look, ActionKind::Swap, ActionKind::CloseServices})
        offers_.SetShown(kind, shown);
}

void RoundEngine::EnableServices(bool enabled) {
    for (ActionKind kind : {ActionKind::Look, ActionKind::Swap, ActionKind::CloseServices})
        offers_.Enable(kind, enabled);
}

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
    if (user.HandCount == 2)
        ShowText(rules_.UserSeat, Seat::kSplit);
    SetServices(true);
    if (rules_.UserOpensBanker) {
        for (ActionKind kind :
             {ActionKind::Hit, ActionKind::Stand, ActionKind::Double, ActionKind::Open})
            offers_.Show(kind);
        return;
    }
    // A main hand that is doubled already can only pass the turn on.
    if (user.Doubled[0]) {
        offers_.Hide(ActionKind::Hit);
        offers_.Hide(ActionKind::Stand);
        offers_.Show(ActionKind::Pass);
        return;
    }
    offers_.Enable(ActionKind::Hit);
    for (ActionKind kind : {ActionKind::Hit, ActionKind::Stand, ActionKind::Double})
        offers_.Show(kind);
}

void RoundEngine::Hit() {
    Seat& user = User();
    const int seat = rules_.UserSeat;
    offers_.Enable(ActionKind::Hit, false);
    offers_.Enable(ActionKind::Stand, false);
    EnableServices(false);
    offers_.Hide(ActionKind::Double);
    offers_.Hide(ActionKind::Open);
    const int hand = user.CurrentHand;
    if (user.HandCount == 2 && user.Doubled[static_cast<std::size_t>(hand - 1)]) {
        if (hand == Seat::kMain) {
            Say(Say::MainOneCardOnly, seat);
            for (ActionKind kind : {ActionKind::Hit, ActionKind::Stand, ActionKind::Double})
                offers_.Hide(kind);
        } else {
            Say(Say::SplitOneCardOnly, seat);
        }
    }
    DrawInto(seat, hand);
    AfterHit();
}

void RoundEngine::AfterHit() {
    Seat& user = User();
    const int seat = rules_.UserSeat;
    ShowText(seat, Seat::kMain);
    if (user.HandCount == 2)
        ShowText(seat, Seat::kSplit);
    const int last = LastUserHand();
    if (user.CurrentHand == last) {
        offers_.Hide(ActionKind::Double);
        offers_.Enable(ActionKind::Hit);
        offers_.Enable(ActionKind::Stand);
        EnableServices(true);
        if (rules_.UserOpensBanker)
            offers_.Show(ActionKind::Open);
        const bool bust = !user.Alive(last);
        if (!bust && !user.Doubled[static_cast<std::size_t>(last - 1)])
            return;
        for (ActionKind kind : {ActionKind::Hit, ActionKind::Stand, ActionKind::Double})
            offers_.Hide(kind);
        if (bust && (user.HandCount == 1 || !user.Alive(FirstUserHand())))
            SetServices(false);
        user.Doubled[static_cast<std::size_t>(last - 1)] = false;
        if (bust) {
            offers_.Hide(ActionKind::Open);
            Say(Say::Busted, seat);
            TurnHole(seat, last);
        }
        if (rules_.UserOpensBanker) {
            DecisionPoint();
            return;
        }
        SetServices(false);
        EndUserTurn();
        return;
    }
    // The first hand of a split is in play; once doubled or bust, play passes to the other.
    const int first = FirstUserHand();
    const auto passToLast = [&] {
        user.CurrentHand = last;
        offers_.Show(ActionKind::Hit);
        offers_.Show(ActionKind::Stand);
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
    offers_.Enable(ActionKind::Hit);
    offers_.Enable(ActionKind::Stand);
    EnableServices(true);
    offers_.SetShown(ActionKind::Double, user.CurrentHand == last);
    if (rules_.UserOpensBanker)
        offers_.Show(ActionKind::Open);
}

void RoundEngine::Stand() {
    Seat& user = User();
    const int seat = rules_.UserSeat;
    offers_.Enable(ActionKind::Hit, false);
    offers_.Enable(ActionKind::Stand, false);
    SetServices(false);
    offers_.Hide(ActionKind::Open);
    ShowText(seat, Seat::kMain);
    if (user.HandCount == 2)
        ShowText(seat, Seat::kSplit);
    const int hand = user.CurrentHand;
    const bool doubled = user.Doubled[static_cast<std::size_t>(hand - 1)];
    // A doubled hand must take its one card first.
    const quorvel::Say owesCard = user.HandCount == 1   ? Say::StandOwesCard
                                  : hand == Seat::kMain ? Say::StandOwesCardMain
                                                        : Say::StandOwesCardSplit;
    const auto turnGoesOn = [&] {
        offers_.Enable(ActionKind::Hit);
        offers_.Enable(ActionKind::Stand);
        SetServices(true);
        if (rules_.UserOpensBanker)
            offers_.Show(ActionKind::Open);
    };
    if (hand == LastUserHand()) {
        if (doubled)
            Say(owesCard, seat);
        turnGoesOn();
        if (!doubled) {
            for (ActionKind kind :
                 {ActionKind::Hit, ActionKind::Stand, ActionKind::Double, ActionKind::Open})
                offers_.Hide(kind);
            SetServices(false);
            Say(Say::BankerOpens, seat);
            EndUserTurn();
        }
        return;
    }
    if (!doubled) {
        if (!user.DoubleTaken)
            offers_.Hide(ActionKind::Double);
        user.CurrentHand = LastUserHand();
        Say(Say::NextHand, seat);
        if (!user.DoubleTaken)
            offers_.Show(ActionKind::Double);
    } else {
        Say(owesCard, seat);
    }
    turnGoesOn();
}

void RoundEngine::OpenBanker() {
    Seat& user = User();
    const int seat = rules_.UserSeat;
    for (ActionKind kind :
         {ActionKind::Hit, ActionKind::Stand, ActionKind::Open, ActionKind::Double})
        offers_.Hide(kind);
    SetServices(false);
    const auto reshow = [&] {
        for (ActionKind kind : {ActionKind::Hit, ActionKind::Stand, ActionKind::Open})
            offers_.Show(kind);
        SetServices(true);
    };
    // A doubled hand must take its one card before the banker opens.
    if (user.Doubled[0]) {
        Say(user.HandCount == 1 ? Say::OpenOwesCard : Say::OpenOwesCardMain, seat);
        reshow();
    }
    if (user.Doubled[1]) {
        Say(Say::OpenOwesCardSplit, seat);
        reshow();
    }
    if (user.Doubled[0] || user.Doubled[1])
        return;
    Say(Say::BankerOpens, seat);
    EndUserTurn();
}

void RoundEngine::Double() {
    Seat& user = User();
    offers_.Hide(ActionKind::Double);
    const int hand = user.CurrentHand;
    THandRecord& main = user.Main();
    THandRecord& doubled = user.Hand(hand);
    // The hand in play doubles its own bet; both hands share the seat's money.
    const std::int32_t a = doubled.Bet;
    if (std::int64_t{main.Money} - a < 0) {
        Say(Say::NoMoneyToDouble, rules_.UserSeat);
        return;
    }
    user.Doubled[static_cast<std::size_t>(hand - 1)] = true;
    // Once the hand played last is doubled, double is not offered again in this round.
    if (hand == LastUserHand())
        user.DoubleTaken = true;
    if (user.HandCount == 1) {
        SetUserBet(MulMoney(main.Bet, 2), SubMoney(main.Money, main.Bet));
        return;
    }
    THandRecord& other = user.Hand(hand == Seat::kMain ? Seat::kSplit : Seat::kMain);
    doubled.Money = SubMoney(doubled.Money, a);
    other.Money = doubled.Money;
    doubled.Bet = AddMoney(doubled.Bet, a);
}

void RoundEngine::DecisionPoint() {
    Seat& user = User();
    offers_.Hide(ActionKind::Open);
    SetServices(true);
    if (user.AnyAlive()) {
        offers_.Show(ActionKind::Open);
        return;
    }
    Wait(kBustOpenPauseMs);
    Say(Say::BankerOpensAtBust, rules_.UserSeat);
    EndUserTurn();
}

void RoundEngine::PassTurn() {
    offers_.Hide(ActionKind::Pass);
    SetServices(false);
    Say(Say::PassTurn, rules_.UserSeat + 1);
    EndUserTurn();
}

void RoundEngine::EndUserTurn() {
    stage_ = Stage::Playing;
    userTurnOver_ = true;
    PlaySeatsFrom(rules_.UserSeat + 1);
}

void RoundEngine::Peek(int hand) {
    // Every button gets back the state it had: a peek never opens what the step in progress
    // keeps closed (an open swap panel, a refused service).
    constexpr ActionKind kHeld[] = {
        ActionKind::Look,    ActionKind::Swap, ActionKind::CloseServices, ActionKind::Split,
        ActionKind::NoSplit, ActionKind::Open, ActionKind::Hit,           ActionKind::Stand};
    bool enabled[std::size(kHeld)];
    for (std::size_t i = 0; i < std::size(kHeld); ++i) {
        enabled[i] = offers_[kHeld[i]].Enabled;
        offers_.Enable(kHeld[i], false);
    }
    view_.TurnCard(rules_.UserSeat, hand, 1, true);
    Wait(kPeekMs);
    view_.TurnCard(rules_.UserSeat, hand, 1, false);
    for (std::size_t i = 0; i < std::size(kHeld); ++i)
        offers_.Enable(kHeld[i], enabled[i]);
}

} // namespace quorvel
