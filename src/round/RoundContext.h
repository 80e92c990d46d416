// What every stage of a round works with: the table's rules and view, the draws and the stacked
// shoe, the round's state and ledger, the stages themselves to hand the round on to, and the
// few steps they all take (speaking, pausing, refreshing the table, and acting for a computer
// seat or by a rule through the engine's one entry for actions).
#pragma once

#include "round/Action.h"
#include "round/Ledger.h"
#include "round/RoundState.h"
#include "round/TableRules.h"
#include "round/TableView.h"

#include <cstdint>

namespace quorvel {

class BankerTurn;
class Dealer;
class PaidServices;
class RandomSource;
class RoundBetting;
class RoundEnding;
class RoundEngine;
class SeatController;
class SeatsPlay;
class Settlement;
class ShoeStack;
class UserTurn;

struct RoundStages {
    RoundBetting* Betting = nullptr;
    Dealer* Deal = nullptr;
    UserTurn* Turn = nullptr;
    PaidServices* Services = nullptr;
    SeatsPlay* Seats = nullptr;
    BankerTurn* Banker = nullptr;
    Settlement* Settle = nullptr;
    RoundEnding* Ending = nullptr;
};

struct RoundContext {
    const TableRules& Rules;
    TableView& View;
    RandomSource& Random;
    ShoeStack& Stack;
    RoundState& State;
    Ledger& Money;
    RoundEngine& Engine;
    RoundStages Stages;

    // ---- the table ----
    Seat& At(int seat) { return State.At(seat); }
    const Seat& At(int seat) const { return State.At(seat); }
    Seat& Banker() { return State.At(0); }
    bool HasUser() const { return Rules.UserSeat >= 0; }
    Seat& User() { return State.At(Rules.UserSeat); }
    const Seat& User() const { return State.At(Rules.UserSeat); }
    bool UserBanks() const { return Rules.UserSeat == 0; }
    SeatController& Controller(int seat) const;

    // ---- talking and waiting ----
    void Say(quorvel::Say id, int seat, std::int64_t amount = 0, int hand = Seat::kMain) {
        View.Announce(Announcement{id, seat, amount, hand});
    }
    void Wait(Pause moment) {
        View.Refresh();
        View.Wait(moment);
    }
    void Refresh() { View.Refresh(); }
    void ShowText(int seat, int hand) { View.ShowHand(seat, hand); }

    // ---- moves the round makes itself ----
    // A computer seat's decision, or a move the table's rules make for a seat, acted on through
    // the engine's Apply with the checks every action meets; false when it was refused.
    bool Act(const Action& action);
    // The round is settled: its log goes to the view.
    void RoundPlayed();
    // The same while `seat` is the seat acting in `stage` with `hand`: its decision is asked
    // (`decide` gives the action) and acted on, and the stage is restored afterwards.
    template <class Decide> bool ActAs(RoundStage stage, int seat, int hand, Decide&& decide) {
        const RoundStage was = State.Stage;
        const int actor = State.Actor;
        const int actorHand = State.ActorHand;
        State.Stage = stage;
        State.Actor = seat;
        State.ActorHand = hand;
        const bool done = Act(decide());
        State.Stage = was;
        State.Actor = actor;
        State.ActorHand = actorHand;
        return done;
    }
};

} // namespace quorvel
