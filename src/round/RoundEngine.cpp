// The engine's core: the seats' controllers and the stages wired together, the one entry for
// actions with its checks, the dispatch of an action to the stage that plays it, and the hooks
// for the front end.
#include "round/RoundEngine.h"

#include "players/Money.h"
#include "round/RoundRecording.h"

namespace quorvel {

namespace {

// How the buttons look while the user's action runs.
StepActivity ActivityOf(ActionKind kind, bool userBanks) {
    switch (kind) {
    case ActionKind::Chip:
    case ActionKind::TakeBack:
    case ActionKind::TakeRaise:
        return StepActivity::Betting;
    case ActionKind::Hit:
        return StepActivity::Drawing;
    case ActionKind::Look:
    case ActionKind::Swap:
    case ActionKind::ConfirmSwap:
        return StepActivity::Service;
    case ActionKind::Stand:
        // The user as banker stands below 17 with the services in sight.
        return userBanks ? StepActivity::None : StepActivity::Standing;
    case ActionKind::Open:
        return StepActivity::Opening;
    case ActionKind::Double:
        return StepActivity::Doubling;
    default:
        return StepActivity::None;
    }
}

} // namespace

SeatController& RoundContext::Controller(int seat) const {
    return *State.At(seat).Controller;
}

bool RoundContext::Act(const Action& action) {
    return Engine.Apply(action);
}

void RoundContext::RoundPlayed() {
    Engine.FinishLog();
}

RoundEngine::RoundEngine(const TableRules& rules, TableView& view, RandomSource& random,
                         ShoeStack& stack)
    : RoundFacts(rules, state_), view_(view),
      computerPlayer_(random), round_{rules, view, random, stack, state_, ledger_, *this, {}},
      betting_(round_), dealer_(round_), turn_(round_), services_(round_), seats_(round_),
      banker_(round_), settlement_(round_), ending_(round_) {
    round_.Stages = {&betting_, &dealer_, &turn_,       &services_,
                     &seats_,   &banker_, &settlement_, &ending_};
    state_.RoundNumber = rules.FirstRound;
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        state_.At(seat).Controller = seat == rules_.UserSeat
                                         ? static_cast<SeatController*>(&userPlayer_)
                                         : static_cast<SeatController*>(&computerPlayer_);
}

RoundEngine::Step::Step(RoundEngine& engine) : engine_(engine), outer_(!engine.state_.Busy) {
    engine_.state_.Busy = true;
}

RoundEngine::Step::~Step() {
    if (!outer_)
        return;
    engine_.state_.Busy = false;
    engine_.state_.Activity = StepActivity::None;
    engine_.view_.Refresh();
}

// ---- actions ----

RoundEngine::Refusal RoundEngine::Check(const Action& action) const {
    const bool input = action.Seat == kUserSeat;
    const int seat = input ? rules_.UserSeat : action.Seat;
    if (!input && (seat < 0 || seat > rules_.Seats))
        return Refusal::NotAllowed;
    // While a step runs only the seat the round asks to act is heard, and the user's save.
    const bool asked = !input && seat == state_.Actor;
    if (state_.Busy && !asked && !(input && action.Kind == ActionKind::Save))
        return Refusal::Busy;
    if (!AllowedActions(state_, rules_, seat).Has(action.Kind))
        return Refusal::NotAllowed;
    switch (action.Kind) {
    case ActionKind::Chip:
        return action.Amount > 0 ? Refusal::None : Refusal::Invalid;
    case ActionKind::Bet:
        return action.Amount >= 0 ? Refusal::None : Refusal::Invalid;
    case ActionKind::Peek:
        return PeekAllowed(state_, rules_, action.Hand) ? Refusal::None : Refusal::NotAllowed;
    case ActionKind::ToggleSwapTarget:
        return action.Hand >= 0 && action.Hand <= Seat::kSplit ? Refusal::None : Refusal::Invalid;
    case ActionKind::Hit:
    case ActionKind::Stand:
    case ActionKind::Double:
        // A computer seat names the hand it plays, if it names one.
        if (!input && action.Hand != 0 && state_.Stage == RoundStage::SeatPlays &&
            action.Hand != state_.ActorHand)
            return Refusal::Invalid;
        return Refusal::None;
    default:
        return Refusal::None;
    }
}

bool RoundEngine::Apply(const Action& action) {
    if (Check(action) != Refusal::None)
        return false;
    const int seat = action.Seat == kUserSeat ? rules_.UserSeat : action.Seat;
    const ActionKind kind = action.Kind;
    if (view_.KeepsRounds())
        Log(action, seat);
    if (kind == ActionKind::Save || kind == ActionKind::ToggleSwapTarget ||
        kind == ActionKind::CloseServices) {
        // These never wait, and saving is taken even while a step runs.
        Dispatch(action, seat);
        view_.Refresh();
        return true;
    }
    if (!state_.Busy)
        state_.Activity = ActivityOf(kind, rules_.UserSeat == 0);
    Step step(*this);
    Dispatch(action, seat);
    return true;
}

void RoundEngine::Dispatch(const Action& action, int seat) {
    const bool user = seat == rules_.UserSeat;
    const bool userBanks = rules_.UserSeat == 0;
    switch (action.Kind) {
    case ActionKind::Chip:
        return betting_.Chip(action.Amount);
    case ActionKind::TakeBack:
        return betting_.TakeBack();
    case ActionKind::TakeRaise:
        return betting_.TakeRaise();
    case ActionKind::FinishBets:
        return betting_.FinishBets();
    case ActionKind::Deal:
        return betting_.Deal();
    case ActionKind::Bet:
        return betting_.PlaceBet(seat, action.Amount);
    case ActionKind::Split:
        if (state_.Stage == Stage::SplitOffer)
            return turn_.ChooseSplit(true);
        return dealer_.MakeSplit(seat);
    case ActionKind::NoSplit:
        // A seat that keeps its pair plays it as one hand.
        if (state_.Stage == Stage::SplitOffer)
            return turn_.ChooseSplit(false);
        return;
    case ActionKind::Hit:
        if (user)
            return userBanks ? banker_.UserHit() : turn_.Hit();
        return seat == 0 ? banker_.Draw() : seats_.Draw(seat);
    case ActionKind::Stand:
        // A computer's stand ends its hand's drawing; nothing moves.
        if (user)
            return userBanks ? banker_.UserStand() : turn_.Stand();
        return;
    case ActionKind::Double:
        return user ? turn_.Double() : seats_.Double(seat);
    case ActionKind::Open:
        return user ? turn_.OpenBanker() : banker_.Open();
    case ActionKind::Pass:
        return turn_.PassTurn();
    case ActionKind::Look:
        return services_.Look();
    case ActionKind::Swap:
        return services_.Swap();
    case ActionKind::CloseServices:
        return services_.Close();
    case ActionKind::ConfirmSwap:
        return services_.Confirm(action.Text);
    case ActionKind::ToggleSwapTarget:
        return services_.Toggle(action.Hand != 0                   ? action.Hand
                                : state_.SwapTarget == Seat::kMain ? Seat::kSplit
                                                                   : Seat::kMain);
    case ActionKind::Peek:
        return turn_.Peek(action.Hand);
    case ActionKind::NextRound:
        return ending_.NextRound(action.FromDialog);
    case ActionKind::Leave:
        return view_.LeaveToMainMenu();
    case ActionKind::Save:
        return view_.WriteSave();
    }
}

// ---- the round's log ----

void RoundEngine::Log(const Action& action, int seat) {
    const ActionKind kind = action.Kind;
    // Saving, leaving and the next round are not moves of a round.
    if (kind == ActionKind::Save || kind == ActionKind::Leave || kind == ActionKind::NextRound)
        return;
    if (!logging_) {
        // The round starts with its first bet or its deal; the log starts with the table as
        // it stands before it.
        if (kind != ActionKind::Chip && kind != ActionKind::TakeBack &&
            kind != ActionKind::TakeRaise && kind != ActionKind::Deal)
            return;
        log_ = RoundLog{};
        log_.Mode = ModeCode(rules_.Mode);
        log_.Seats = rules_.Seats;
        log_.Start = Record();
        log_.Random = round_.Random.Position();
        logging_ = true;
    }
    LoggedAction logged{action, action.Seat == kUserSeat};
    logged.Taken.Seat = seat;
    log_.Actions.push_back(std::move(logged));
}

void RoundEngine::FinishLog() {
    if (!logging_)
        return;
    logging_ = false;
    log_.RoundNumber = state_.RoundNumber;
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        log_.MoneyAfter[static_cast<std::size_t>(seat)] = At(seat).Main().Money;
    if (HasUser())
        log_.User = SettledRound(state_, rules_);
    view_.RoundPlayed(log_);
}

// ---- the front end ----

void RoundEngine::OpenTable() {
    Step step(*this);
    betting_.OpenTable();
}

void RoundEngine::NewGame() {
    logging_ = false;
    state_.RoundNumber = rules_.FirstRound;
    state_.RoundOver = false;
    for (int seat = 0; seat <= rules_.Seats; ++seat) {
        Seat& s = state_.At(seat);
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
    state_.Challenge = false;
    state_.ChallengeMode = 0;
    state_.BankerShown = false;
    state_.Stage = Stage::Waiting;
    state_.Closed = true;
    state_.RaiseTaken = false;
    state_.Turn = {};
    state_.LeavingBeaten = false;
}

void RoundEngine::NewGame(const std::array<std::string, 4>& names) {
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        state_.At(seat).Main().Name = names[static_cast<std::size_t>(seat)];
    NewGame();
}

TableRecord RoundEngine::Record() const {
    TableRecord record;
    for (int seat = 0; seat <= rules_.Seats; ++seat) {
        const Seat& s = At(seat);
        record.Seats[static_cast<std::size_t>(seat)] = {
            s.Main().Name, s.Main().Money, s.Main().Bet, s.Main().Streak, s.Raise, s.Debt};
    }
    record.RoundNumber = state_.RoundNumber;
    record.Open = !state_.Closed && !state_.RoundOver && !state_.Busy &&
                  (state_.Stage == Stage::Waiting || state_.Stage == Stage::Betting);
    record.Challenge = state_.Challenge;
    record.ChallengeMode = state_.ChallengeMode;
    record.ServicesOff = state_.Turn.ServicesOff;
    record.Shoe = state_.Shoe;
    return record;
}

void RoundEngine::Resume(const TableRecord& record) {
    std::array<std::string, 4> names;
    for (std::size_t seat = 0; seat < names.size(); ++seat)
        names[seat] = record.Seats[seat].Name;
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        state_.At(seat).Main().Name = names[static_cast<std::size_t>(seat)];
    NewGame();
    for (int seat = 0; seat <= rules_.Seats; ++seat) {
        const SeatRecord& from = record.Seats[static_cast<std::size_t>(seat)];
        Seat& s = state_.At(seat);
        s.Main().Money = from.Money;
        s.Main().Bet = from.Bet;
        s.Main().Streak = from.Streak;
        s.Raise = from.Raise;
        s.Debt = from.Debt;
    }
    state_.RoundNumber = record.RoundNumber.value_or(rules_.FirstRound);
    state_.Challenge = record.Challenge;
    state_.ChallengeMode = record.ChallengeMode;
    state_.Turn.ServicesOff = record.ServicesOff;
    if (record.Shoe)
        state_.Shoe = *record.Shoe;
    if (record.Open) {
        // Where the next-round click prepares the round, its hands are empty at its start.
        if (rules_.PrepareAtNextRound)
            for (int seat = 0; seat <= rules_.Seats; ++seat)
                for (int hand : {Seat::kMain, Seat::kSplit}) {
                    ResetHand(state_.At(seat).Hand(hand));
                    state_.At(seat).HoleTurned[static_cast<std::size_t>(hand - 1)] = false;
                }
        // The round starts with the user's chips where the user bets before the deal.
        state_.Closed = false;
        state_.Stage =
            rules_.BetsBeforeDeal && rules_.UserSeat > 0 ? Stage::Betting : Stage::Waiting;
    }
}

void RoundEngine::EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks) {
    Step step(*this);
    ending_.EnterChallenge(entry, std::move(hooks));
}

void RoundEngine::ReturnFromChallenge(std::int32_t userMoney, std::int32_t bankerMoney) {
    Step step(*this);
    ending_.ReturnFromChallenge(userMoney, bankerMoney);
}

} // namespace quorvel
