// What the user is offered, derived from the round's state alone: one function decides which
// buttons show and take a click, and the same answer decides what Apply accepts.
#include "round/RoundEngine.h"

#include <initializer_list>

namespace quorvel {

namespace {

// The buttons a running step keeps out of sight, by what it is doing: the designed look of a
// hit, a service, a stand, the banker asked to open, a double and a chip.
struct StepMask {
    RoundEngine::Activity Activity;
    std::initializer_list<ActionKind> Hidden;
};
const StepMask kStepMasks[] = {
    {RoundEngine::Activity::Betting,
     {ActionKind::TakeBack, ActionKind::Deal, ActionKind::FinishBets}},
    {RoundEngine::Activity::Drawing, {ActionKind::Double, ActionKind::Open}},
    {RoundEngine::Activity::Service, {ActionKind::Double, ActionKind::Open}},
    {RoundEngine::Activity::Standing,
     {ActionKind::Double, ActionKind::Open, ActionKind::Look, ActionKind::Swap,
      ActionKind::CloseServices}},
    {RoundEngine::Activity::Opening,
     {ActionKind::Hit, ActionKind::Stand, ActionKind::Double, ActionKind::Open, ActionKind::Look,
      ActionKind::Swap, ActionKind::CloseServices}},
    {RoundEngine::Activity::Doubling, {ActionKind::Double}},
};

constexpr ActionKind kServiceKinds[] = {ActionKind::Look, ActionKind::Swap, ActionKind::CloseServices};

} // namespace

Offers RoundEngine::Offered() const {
    Offers o;
    o[ActionKind::Save] = {!challenge_, !leavingBeaten_};
    // No button offers the next round: the click lands on the table or its result dialog.
    o[ActionKind::NextRound].Shown = roundOver_;
    o[ActionKind::Leave].Shown = roundOver_;
    if (!closed_ && HasUser()) {
        const Seat& user = User();
        const bool held = swapPanel_ || activity_ == Activity::Service;
        switch (stage_) {
        case Stage::Waiting:
            o[ActionKind::Deal].Shown = !roundOver_ && !busy_;
            break;
        case Stage::Betting: {
            const bool bet = user.Main().Bet != 0;
            o[ActionKind::Chip].Shown = true;
            o[ActionKind::TakeBack].Shown = bet;
            o[rules_.BetsBeforeDeal ? ActionKind::Deal : ActionKind::FinishBets].Shown = bet;
            o[ActionKind::TakeRaise].Shown = user.Raise.Offered && !raiseTaken_;
            break;
        }
        case Stage::SplitOffer:
            o[ActionKind::Split].Shown = o[ActionKind::NoSplit].Shown = true;
            break;
        case Stage::UserTurn: {
            if (turnOver_)
                break;
            const bool atSeat = rules_.UserSeat != 0;
            const bool playing = !atSeat || (!atDecisionPoint_ && !passOnly_);
            o[ActionKind::Hit] = o[ActionKind::Stand] = {playing, !held};
            o[ActionKind::Pass] = {passOnly_, !held};
            const int hand = user.CurrentHand;
            o[ActionKind::Double].Shown =
                atSeat && playing && !held && !doubleWithdrawn_ &&
                user.Hand(hand).CardCount == 2 && !user.Doubled[static_cast<std::size_t>(hand - 1)];
            o[ActionKind::Open].Shown = atSeat && rules_.UserOpensBanker && !held;
            for (ActionKind service : kServiceKinds)
                o[service] = {!servicesHidden_, !servicesOff_ && !held};
            o[ActionKind::ConfirmSwap].Shown = swapPanel_;
            o[ActionKind::ToggleSwapTarget].Shown = swapPanel_ && toggleOffered_;
            break;
        }
        case Stage::Playing:
            break;
        }
    }
    if (!busy_)
        return o;
    // While a step runs nothing but the save takes a click, and the step keeps some buttons out
    // of sight.
    for (const StepMask& mask : kStepMasks)
        if (mask.Activity == activity_)
            for (ActionKind kind : mask.Hidden)
                o[kind].Shown = false;
    for (std::size_t k = 0; k < kActionKinds; ++k)
        if (static_cast<ActionKind>(k) != ActionKind::Save)
            o[static_cast<ActionKind>(k)].Enabled = false;
    return o;
}

bool RoundEngine::PeekAllowed(int hand) const {
    if (!HasUser() || (stage_ != Stage::UserTurn && stage_ != Stage::SplitOffer))
        return false;
    const Seat& user = User();
    if (hand != Seat::kMain && (hand != Seat::kSplit || user.HandCount != 2))
        return false;
    return user.Hand(hand).CardCount >= 1 &&
           !user.HoleTurned[static_cast<std::size_t>(hand - 1)] && !roundOver_ && !bankerShown_;
}

bool RoundEngine::Allowed(const Action& action) const {
    if (action.Kind != ActionKind::Save && busy_)
        return false;
    switch (action.Kind) {
    case ActionKind::Peek:
        return PeekAllowed(action.Hand);
    case ActionKind::Chip:
        return action.Amount > 0 && Offered().Open(ActionKind::Chip);
    default:
        return Offered().Open(action.Kind);
    }
}

} // namespace quorvel
