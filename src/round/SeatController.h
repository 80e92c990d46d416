// Who decides for a seat or for the bank. The user decides by clicks, which reach the engine
// as actions; a computer character decides at once, by its own rules, when the engine asks.
// Either way the engine checks what is decided before it acts on it.
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
    // A computer seat's bet for the round [money].
    virtual std::int32_t ChooseBet(const THandRecord& seat) = 0;
    // A computer hand may steer its face-down card once it has its two cards.
    virtual void SteerOpening(THandRecord& hand, TableShoe& shoe, int holeEntry) = 0;
    // A computer hand's next move: Hit or Stand. Asking may steer the next card.
    virtual ActionKind NextMove(THandRecord& hand, TableShoe& shoe) = 0;
};

// The user: every decision comes from a click.
class UserPlayer final : public SeatController {
public:
    bool IsUser() const override { return true; }
    std::int32_t ChooseBet(const THandRecord&) override { return 0; }
    void SteerOpening(THandRecord&, TableShoe&, int) override {}
    ActionKind NextMove(THandRecord&, TableShoe&) override { return ActionKind::Stand; }
};

// A computer character, at a seat or at the bank, playing by its character's rows.
class ComputerPlayer final : public SeatController {
public:
    explicit ComputerPlayer(RandomSource& random) : random_(random) {}
    bool IsUser() const override { return false; }
    std::int32_t ChooseBet(const THandRecord& seat) override;
    void SteerOpening(THandRecord& hand, TableShoe& shoe, int holeEntry) override;
    ActionKind NextMove(THandRecord& hand, TableShoe& shoe) override;

private:
    RandomSource& random_;
};

} // namespace quorvel
