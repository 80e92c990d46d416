// The engine's core: seats and controllers, the one entry for actions with its checks, and
// the table's words, waits and hooks for the front end.
#include "round/RoundEngine.h"

#include "cards/HandRules.h"
#include "players/Money.h"

namespace quorvel {

namespace {
// How the buttons look while the user's action runs.
RoundEngine::Activity StepActivity(ActionKind kind, bool userBanks) {
    switch (kind) {
    case ActionKind::Chip:
    case ActionKind::TakeBack:
    case ActionKind::TakeRaise:
        return RoundEngine::Activity::Betting;
    case ActionKind::Hit:
        return RoundEngine::Activity::Drawing;
    case ActionKind::Look:
    case ActionKind::Swap:
    case ActionKind::ConfirmSwap:
        return RoundEngine::Activity::Service;
    case ActionKind::Stand:
        // The user as banker stands below 17 with the services in sight.
        return userBanks ? RoundEngine::Activity::None : RoundEngine::Activity::Standing;
    case ActionKind::Open:
        return RoundEngine::Activity::Opening;
    case ActionKind::Double:
        return RoundEngine::Activity::Doubling;
    default:
        return RoundEngine::Activity::None;
    }
}
} // namespace

RoundEngine::RoundEngine(const TableRules& rules, TableView& view, RandomSource& random,
                         ShoeStack& stack)
    : rules_(rules), view_(view), random_(random), stack_(stack), computerPlayer_(random),
      seats_(static_cast<std::size_t>(rules.Seats)), roundNumber_(rules.FirstRound) {
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        At(seat).Controller = seat == rules_.UserSeat
                                  ? static_cast<SeatController*>(&userPlayer_)
                                  : static_cast<SeatController*>(&computerPlayer_);
}

RoundEngine::Step::Step(RoundEngine& engine) : engine_(engine), outer_(!engine.busy_) {
    engine_.busy_ = true;
}

RoundEngine::Step::~Step() {
    if (!outer_)
        return;
    engine_.busy_ = false;
    engine_.activity_ = Activity::None;
    engine_.Refresh();
}

// ---- words and waits ----

void RoundEngine::Say(quorvel::Say id, int seat, std::int64_t amount, int hand) {
    view_.Announce(Announcement{id, seat, amount, hand});
}

void RoundEngine::Wait(Pause moment) {
    Refresh();
    view_.Wait(moment);
}

// ---- actions ----

bool RoundEngine::Apply(const Action& action) {
    if (!Allowed(action))
        return false;
    if (action.Kind == ActionKind::Save || action.Kind == ActionKind::ToggleSwapTarget ||
        action.Kind == ActionKind::CloseServices) {
        // These never wait, and saving is offered even while a step runs.
        Dispatch(action);
        Refresh();
        return true;
    }
    Step step(*this);
    activity_ = StepActivity(action.Kind, rules_.UserSeat == 0);
    Dispatch(action);
    return true;
}

void RoundEngine::Dispatch(const Action& action) {
    const bool userBanks = rules_.UserSeat == 0;
    switch (action.Kind) {
    case ActionKind::Chip:
        return Chip(action.Amount);
    case ActionKind::TakeBack:
        return TakeBack();
    case ActionKind::TakeRaise:
        return TakeRaise();
    case ActionKind::FinishBets:
        return FinishBets();
    case ActionKind::Deal:
        return Deal();
    case ActionKind::Split:
        return ChooseSplit(true);
    case ActionKind::NoSplit:
        return ChooseSplit(false);
    case ActionKind::Hit:
        return userBanks ? UserBankerHit() : Hit();
    case ActionKind::Stand:
        return userBanks ? UserBankerStand() : Stand();
    case ActionKind::Double:
        return Double();
    case ActionKind::Open:
        return OpenBanker();
    case ActionKind::Pass:
        return PassTurn();
    case ActionKind::Look:
        return Look();
    case ActionKind::Swap:
        return SwapService();
    case ActionKind::CloseServices:
        return CloseServices();
    case ActionKind::ConfirmSwap:
        return ConfirmSwap(action.Text);
    case ActionKind::ToggleSwapTarget:
        return ToggleTarget(action.Hand);
    case ActionKind::Peek:
        return Peek(action.Hand);
    case ActionKind::NextRound:
        return NextRound(action.FromDialog);
    case ActionKind::Leave:
        return view_.LeaveToMainMenu();
    case ActionKind::Save:
        return view_.WriteSave();
    }
}

// ---- the front end ----

void RoundEngine::ResetForNewGame() {
    roundNumber_ = rules_.FirstRound;
    roundOver_ = false;
    for (int seat = 0; seat <= rules_.Seats; ++seat) {
        Seat& s = At(seat);
        for (THandRecord& hand : s.Hands)
            ResetSeatMoney(hand);
        s.HandCount = 1;
        s.CurrentHand = Seat::kMain;
        s.Doubled = {};
        s.DoubleTaken = false;
        s.BetStarred = false;
        s.Raise = {};
        s.Debt = {};
    }
    challenge_ = false;
    bankerShown_ = false;
    stage_ = Stage::Waiting;
    closed_ = true;
    raiseTaken_ = servicesOff_ = servicesHidden_ = swapPanel_ = toggleOffered_ = false;
    doubleWithdrawn_ = atDecisionPoint_ = turnOver_ = passOnly_ = leavingBeaten_ = false;
    Refresh();
}

void RoundEngine::EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks) {
    Step step(*this);
    challengeHooks_ = std::move(hooks);
    challengeMode_ = entry.StatisticsMode;
    Seat& banker = Banker();
    Seat& user = User();
    banker.Main().Name = entry.BankerName;
    banker.Main().Money = entry.BankerMoney;
    user.Main().Name = entry.UserName;
    user.Main().Money = entry.UserMoney;
    user.Main().Bet = 0;
    user.Main().Streak = entry.UserStreak;
    // Every challenge counts its rounds afresh, so its first deal prepares the hands and the
    // shoe, whatever an earlier challenge left on this table.
    roundNumber_ = rules_.FirstRound;
    challenge_ = true;
    closed_ = false;
    roundOver_ = false;
    stage_ = Stage::Waiting;
    Wait(Pause::TableOpens);
    Say(Say::ChallengeStarts, rules_.UserSeat);
    Say(Say::PleaseBet, rules_.UserSeat);
    stage_ = Stage::Betting;
    raiseTaken_ = false;
    view_.RevealChips();
}

void RoundEngine::ReturnFromChallenge(std::int32_t userMoney, std::int32_t bankerMoney) {
    Step step(*this);
    User().Main().Money = userMoney;
    User().Main().Streak = 0;
    Banker().Main().Money = bankerMoney;
    stage_ = Stage::Waiting;
    closed_ = false;
    Wait(Pause::TableOpens);
    Say(Say::ChallengeOver, rules_.UserSeat);
    Say(Say::TableReady, 0);
}

} // namespace quorvel
