// The derivation of what each seat may do, stage by stage, and the user's buttons from it.
#include "round/AllowedActions.h"

#include "round/Dealer.h"

#include <initializer_list>

namespace quorvel {

namespace {

using K = ActionKind;

// ---- what the user may do at any time ----

ActionSet Anytime(const RoundState& s) {
    ActionSet a;
    a.Set(K::Save, !s.Challenge && !s.LeavingBeaten);
    // Leaving loses no play while no card is dealt: after a round, and from the table's opening
    // or the next round's start until the deal, while the bets still count as money.
    a.Set(K::Leave, s.RoundOver || (!s.Closed && (s.Stage == RoundStage::Waiting ||
                                                  s.Stage == RoundStage::Betting)));
    a.Set(K::NextRound, s.RoundOver);
    return a;
}

// ---- one function per stage ----

// The deal button, once the round is not yet dealt.
ActionSet WaitingAllows(const RoundState& s, bool user) {
    ActionSet a;
    a.Set(K::Deal, user && !s.RoundOver);
    return a;
}

// The user's chips; the bet taken back and the round started only with a bet; the raised bet
// while its offer stands.
ActionSet BettingAllows(const RoundState& s, const TableRules& rules, bool user) {
    if (!user || rules.UserSeat <= 0)
        return {};
    const Seat& seat = s.At(rules.UserSeat);
    const bool bet = seat.Main().Bet != 0;
    ActionSet a{K::Chip};
    a.Set(K::TakeBack, bet);
    a.Set(rules.BetsBeforeDeal ? K::Deal : K::FinishBets, bet);
    a.Set(K::TakeRaise, seat.Raise.Offered && !s.RaiseTaken);
    return a;
}

// A computer seat's bet, when asked.
ActionSet SeatBetsAllows(const RoundState& s, int seat) {
    ActionSet a;
    a.Set(K::Bet, seat == s.Actor);
    return a;
}

// The user's split decision.
ActionSet SplitOfferAllows(bool user) {
    return user ? ActionSet{K::Split, K::NoSplit} : ActionSet{};
}

// A seat with an identical pair it can pay for may split it, or keep it.
ActionSet SeatSplitsAllows(const RoundState& s, int seat) {
    if (seat != s.Actor)
        return {};
    const Seat& at = s.At(seat);
    const bool canSplit =
        Dealer::Identical(at) && !at.Doubled[0] && at.Main().Money >= at.Main().Bet;
    return canSplit ? ActionSet{K::Split, K::NoSplit} : ActionSet{};
}

// The user's turn, at a seat or at the bank: hit and stand while a hand is in play, double a
// fresh hand, open or pass the turn on, the services while they are on, the swap panel's
// confirmation and toggle. The swap panel, and a service running, hold the turn's buttons.
ActionSet UserTurnAllows(const RoundState& s, const TableRules& rules) {
    const UserTurnFacts& turn = s.Turn;
    if (turn.TurnOver)
        return {};
    const Seat& user = s.At(rules.UserSeat);
    const bool atSeat = rules.UserSeat != 0;
    const bool held = turn.SwapPanel || s.Activity == StepActivity::Service;
    ActionSet a;
    if (!held) {
        const bool playing = !atSeat || (!turn.AtDecisionPoint && !turn.PassOnly);
        const int hand = user.CurrentHand;
        a.Set(K::Hit, playing);
        a.Set(K::Stand, playing);
        a.Set(K::Pass, turn.PassOnly);
        a.Set(K::Double, atSeat && playing && !turn.DoubleWithdrawn &&
                             user.Hand(hand).CardCount == 2 &&
                             !user.Doubled[static_cast<std::size_t>(hand - 1)]);
        a.Set(K::Open, atSeat && rules.UserOpensBanker);
        const bool services = !turn.ServicesHidden && !turn.ServicesOff;
        for (K service : {K::Look, K::Swap, K::CloseServices})
            a.Set(service, services);
    }
    a.Set(K::ConfirmSwap, turn.SwapPanel);
    a.Set(K::ToggleSwapTarget, turn.SwapPanel && turn.ToggleOffered);
    return a;
}

// A computer seat's hand in play: hit or stand while it is not bust, double a fresh hand it
// can pay for.
ActionSet SeatPlaysAllows(const RoundState& s, int seat) {
    if (seat != s.Actor)
        return {};
    const Seat& at = s.At(seat);
    const int hand = s.ActorHand;
    if (!at.Alive(hand))
        return {};
    ActionSet a{K::Hit, K::Stand};
    a.Set(K::Double, at.Hand(hand).CardCount == 2 &&
                         !at.Doubled[static_cast<std::size_t>(hand - 1)] &&
                         at.Main().Money >= at.Hand(hand).Bet);
    return a;
}

// The computer banker opens first, then hits, and stands unless the rules make it draw.
ActionSet BankerPlaysAllows(const RoundState& s, int seat) {
    if (seat != 0 || s.Actor != 0)
        return {};
    if (!s.BankerShown)
        return {K::Open};
    if (!s.At(0).Alive(Seat::kMain))
        return {};
    ActionSet a{K::Hit};
    a.Set(K::Stand, !s.BankerMustDraw);
    return a;
}

} // namespace

bool PeekAllowed(const RoundState& s, const TableRules& rules, int hand) {
    if (rules.UserSeat < 0 || s.Closed ||
        (s.Stage != RoundStage::UserTurn && s.Stage != RoundStage::SplitOffer))
        return false;
    const Seat& user = s.At(rules.UserSeat);
    if (hand != Seat::kMain && (hand != Seat::kSplit || user.HandCount != 2))
        return false;
    return user.Hand(hand).CardCount >= 1 && !user.HoleTurned[static_cast<std::size_t>(hand - 1)] &&
           !s.RoundOver && !s.BankerShown;
}

ActionSet AllowedActions(const RoundState& s, const TableRules& rules, int seat) {
    const bool user = seat == rules.UserSeat;
    ActionSet a = user ? Anytime(s) : ActionSet{};
    if (s.Closed)
        return a;
    switch (s.Stage) {
    case RoundStage::Waiting:
        a |= WaitingAllows(s, user);
        break;
    case RoundStage::Betting:
        a |= BettingAllows(s, rules, user);
        break;
    case RoundStage::SeatBets:
        a |= SeatBetsAllows(s, seat);
        break;
    case RoundStage::SplitOffer:
        a |= SplitOfferAllows(user);
        break;
    case RoundStage::SeatSplits:
        a |= SeatSplitsAllows(s, seat);
        break;
    case RoundStage::UserTurn:
        if (user)
            a |= UserTurnAllows(s, rules);
        break;
    case RoundStage::SeatPlays:
        a |= SeatPlaysAllows(s, seat);
        break;
    case RoundStage::BankerPlays:
        a |= BankerPlaysAllows(s, seat);
        break;
    case RoundStage::Playing:
        break;
    }
    if (user && (PeekAllowed(s, rules, Seat::kMain) || PeekAllowed(s, rules, Seat::kSplit)))
        a.Add(K::Peek);
    return a;
}

namespace {

// The buttons a running step keeps out of sight, by what it is doing: the designed look of a
// hit, a service, a stand, the banker asked to open, a double and a chip.
struct StepMask {
    StepActivity Activity;
    std::initializer_list<K> Hidden;
};
const StepMask kStepMasks[] = {
    {StepActivity::Betting, {K::TakeBack, K::FinishBets}},
    {StepActivity::Drawing, {K::Double, K::Open}},
    {StepActivity::Service, {K::Double, K::Open}},
    {StepActivity::Standing, {K::Double, K::Open, K::Look, K::Swap, K::CloseServices}},
    {StepActivity::Opening,
     {K::Hit, K::Stand, K::Double, K::Open, K::Look, K::Swap, K::CloseServices}},
    {StepActivity::Doubling, {K::Double}},
};

} // namespace

Offers UserOffers(const RoundState& s, const TableRules& rules) {
    Offers o;
    const ActionSet allowed = AllowedActions(s, rules, rules.UserSeat);
    for (std::size_t k = 0; k < kActionKinds; ++k)
        o[static_cast<K>(k)].Shown = allowed.Has(static_cast<K>(k));
    // The save button stays in sight outside a challenge, even while it takes no click.
    o[K::Save].Shown = !s.Challenge;
    // The back button shows only once a round is over; before a deal the table's key leaves.
    o[K::Leave].Shown = s.RoundOver;
    const UserTurnFacts& turn = s.Turn;
    if (!s.Closed && s.Stage == RoundStage::UserTurn && !turn.TurnOver && rules.UserSeat >= 0) {
        const bool atSeat = rules.UserSeat != 0;
        const bool playing = !atSeat || (!turn.AtDecisionPoint && !turn.PassOnly);
        // The turn's buttons held by the swap panel or a running service stay in sight.
        for (K kind : {K::Hit, K::Stand})
            o[kind].Shown = o[kind].Shown || playing;
        o[K::Pass].Shown = o[K::Pass].Shown || turn.PassOnly;
        for (K service : {K::Look, K::Swap, K::CloseServices})
            o[service].Shown = !turn.ServicesHidden;
    }
    if (s.Busy) {
        o[K::Deal].Shown = false;
        for (const StepMask& mask : kStepMasks)
            if (mask.Activity == s.Activity)
                for (K kind : mask.Hidden)
                    o[kind].Shown = false;
    }
    // A shown button takes a click when its action is allowed; a hidden one keeps its flag
    // for when it shows again.
    for (std::size_t k = 0; k < kActionKinds; ++k) {
        const K kind = static_cast<K>(k);
        const bool takes = allowed.Has(kind) && (!s.Busy || kind == K::Save);
        o[kind].Enabled = !o[kind].Shown || takes;
    }
    return o;
}

} // namespace quorvel
