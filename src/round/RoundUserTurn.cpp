// The user's turn at a seat: hit, stand, double and opening the banker, with the checks after
// each card, the decision point once the hand in play is done, and the peek at one's own
// face-down card. After a split one hand is played, then the other.
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

void RoundEngine::StartUserTurn() {
    stage_ = Stage::UserTurn;
    Seat& user = User();
    if (user.HandCount == 2)
        ShowText(rules_.UserSeat, Seat::kSplit);
    SetServices(true);
    for (ActionKind kind :
         {ActionKind::Hit, ActionKind::Stand, ActionKind::Double, ActionKind::Open})
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
    if (user.CurrentHand == Seat::kMain) {
        offers_.Hide(ActionKind::Double);
        offers_.Enable(ActionKind::Hit);
        offers_.Enable(ActionKind::Stand);
        EnableServices(true);
        offers_.Show(ActionKind::Open);
        const bool bust = !user.Alive(Seat::kMain);
        if (!bust && !user.Doubled[0])
            return;
        for (ActionKind kind : {ActionKind::Hit, ActionKind::Stand, ActionKind::Double})
            offers_.Hide(kind);
        if (bust && (user.HandCount == 1 || !user.Alive(Seat::kSplit)))
            SetServices(false);
        user.Doubled[0] = false;
        if (bust) {
            offers_.Hide(ActionKind::Open);
            Say(Say::Busted, seat);
            TurnHole(seat, Seat::kMain);
        }
        DecisionPoint();
        return;
    }
    // The split hand is in play; a doubled or bust split hand passes play to the main hand.
    const auto passToMain = [&] {
        user.CurrentHand = Seat::kMain;
        offers_.Show(ActionKind::Hit);
        offers_.Show(ActionKind::Stand);
    };
    if (user.Doubled[1]) {
        user.Doubled[1] = false;
        passToMain();
    }
    if (!user.Alive(Seat::kSplit)) {
        TurnHole(seat, Seat::kSplit);
        passToMain();
        Say(Say::SplitBustedNextHand, seat);
    }
    offers_.Enable(ActionKind::Hit);
    offers_.Enable(ActionKind::Stand);
    EnableServices(true);
    offers_.SetShown(ActionKind::Double, user.CurrentHand == Seat::kMain);
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
    if (user.CurrentHand == Seat::kMain) {
        if (user.Doubled[0])
            Say(user.HandCount == 2 ? Say::StandOwesCardMain : Say::StandOwesCard, seat);
        offers_.Enable(ActionKind::Hit);
        offers_.Enable(ActionKind::Stand);
        SetServices(true);
        offers_.Show(ActionKind::Open);
        if (!user.Doubled[0]) {
            for (ActionKind kind :
                 {ActionKind::Hit, ActionKind::Stand, ActionKind::Double, ActionKind::Open})
                offers_.Hide(kind);
            SetServices(false);
            Say(Say::BankerOpens, seat);
            EndUserTurn();
        }
        return;
    }
    if (!user.Doubled[1]) {
        if (!user.DoubleTaken)
            offers_.Hide(ActionKind::Double);
        user.CurrentHand = Seat::kMain;
        Say(Say::NextHand, seat);
        if (!user.DoubleTaken)
            offers_.Show(ActionKind::Double);
    } else {
        Say(Say::StandOwesCardSplit, seat);
    }
    offers_.Enable(ActionKind::Hit);
    offers_.Enable(ActionKind::Stand);
    SetServices(true);
    offers_.Show(ActionKind::Open);
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
    THandRecord& main = user.Main();
    THandRecord& split = user.Split();
    const std::int32_t a = main.Bet;
    if (std::int64_t{main.Money} - a < 0) {
        Say(Say::NoMoneyToDouble, rules_.UserSeat);
        return;
    }
    if (user.CurrentHand == Seat::kMain) {
        user.Doubled[0] = true;
        user.DoubleTaken = true;
    } else {
        user.Doubled[1] = true;
    }
    if (user.HandCount == 1) {
        SetUserBet(MulMoney(main.Bet, 2), SubMoney(main.Money, main.Bet));
        return;
    }
    // After a split both hands carry the same money; the doubled hand adds the main bet.
    THandRecord& doubled = user.CurrentHand == Seat::kMain ? main : split;
    THandRecord& other = user.CurrentHand == Seat::kMain ? split : main;
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

void RoundEngine::EndUserTurn() {
    stage_ = Stage::Playing;
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
