// Who decides for a seat or for the bank. The user decides by clicks, which reach the engine as
// actions; a computer character decides at once, by its own rules, when the engine asks, and
// answers with an action of its seat. Either way the engine checks the action with the same
// derivation of what the round allows before it acts on it.
#pragma once

#include "round/Action.h"

#include <cstdint>

namespace quorvel {

class RandomSource;
struct TableShoe;
struct THandRecord;

class SeatController {
public:
    virtual ~SeatController() = default;

    // The user answers through the table's buttons, never when asked.
    virtual bool IsUser() const = 0;
    // The seat's bet for the round: a Bet of `seat` [1-3] with its amount.
    virtual Action Bet(const THandRecord& hand, int seat) = 0;
    // The seat's identical pair, which it can pay to split: Split or NoSplit of `seat`.
    virtual Action SplitChoice(int seat) = 0;
    // A hand may steer its face-down card once it has its two cards.
    virtual void SteerOpening(THandRecord& hand, TableShoe& shoe, int holeEntry) = 0;
    // The next move of `seat`'s hand `hand` [1-2]: a Hit or a Stand. Deciding may steer the
    // next card.
    virtual Action Move(THandRecord& hand, TableShoe& shoe, int seat, int handIndex) = 0;
    // A card the table's rules give the hand whatever it would decide (a banker below 17, a
    // banker that said yes once, a bust hand's last word): the character plays out its
    // decision, whose draws and steering act on the shoe as always, and the answer is dropped.
    virtual void SteerForcedCard(THandRecord& hand, TableShoe& shoe) = 0;
};

// The user: every decision comes from a click.
class UserPlayer final : public SeatController {
public:
    bool IsUser() const override { return true; }
    Action Bet(const THandRecord&, int seat) override { return Action::By(seat, ActionKind::Bet); }
    Action SplitChoice(int seat) override { return Action::By(seat, ActionKind::NoSplit); }
    void SteerOpening(THandRecord&, TableShoe&, int) override {}
    Action Move(THandRecord&, TableShoe&, int seat, int) override {
        return Action::By(seat, ActionKind::Stand);
    }
    void SteerForcedCard(THandRecord&, TableShoe&) override {}
};

// A computer character, at a seat or at the bank, playing by its character's rows.
class ComputerPlayer final : public SeatController {
public:
    explicit ComputerPlayer(RandomSource& random) : random_(random) {}
    bool IsUser() const override { return false; }
    Action Bet(const THandRecord& hand, int seat) override;
    // Every character splits a pair it can pay for.
    Action SplitChoice(int seat) override { return Action::By(seat, ActionKind::Split); }
    void SteerOpening(THandRecord& hand, TableShoe& shoe, int holeEntry) override;
    Action Move(THandRecord& hand, TableShoe& shoe, int seat, int handIndex) override;
    void SteerForcedCard(THandRecord& hand, TableShoe& shoe) override;

private:
    RandomSource& random_;
};

} // namespace quorvel
