// What anyone may read of a round as it stands: the table's rules, its seats and shoe, the round
// counter, where the round stands and a few facts of the user's turn. The engine is one of
// these, and a table screen, the advisor or a test read the round through it; nothing here
// changes anything.
#pragma once

#include "round/RoundState.h"
#include "round/TableRules.h"

#include <cstdint>

namespace quorvel {

class RoundFacts {
public:
    using Stage = RoundStage;

    RoundFacts(const TableRules& rules, const RoundState& state) : rules_(rules), facts_(state) {}

    const TableRules& Rules() const { return rules_; }
    // Seat 0 is the banker, 1..Seats() the seats against it.
    const Seat& At(int seat) const { return facts_.At(seat); }
    int Seats() const { return rules_.Seats; }
    const Seat& Banker() const { return facts_.At(0); }
    // Whether the user plays at this table, and the user's place: a seat, or the bank.
    bool HasUser() const { return rules_.UserSeat >= 0; }
    const Seat& User() const { return At(rules_.UserSeat); }
    const TableShoe& Shoe() const { return facts_.Shoe; }
    std::int32_t RoundNumber() const { return facts_.RoundNumber; }
    // The whole state of the round.
    const RoundState& State() const { return facts_; }
    // A round has ended and the table waits for the click that starts the next one.
    bool RoundOver() const { return facts_.RoundOver; }
    // A step is running (a banner, a card flight, a wait): clicks are not taken meanwhile.
    bool Busy() const { return facts_.Busy; }
    Stage CurrentStage() const { return facts_.Stage; }
    // A round is being played: a step runs, or the round is past its bets and not settled.
    bool RoundUnderway() const {
        const bool between = facts_.Stage == Stage::Waiting || facts_.Stage == Stage::Betting;
        return facts_.Busy || !between;
    }
    // The hand the swap goes to [1 main, 2 split].
    int SwapTarget() const { return facts_.SwapTarget; }
    // While the user plays two hands after a split, the one in play [1 main, 2 split]; 0 at
    // any other time.
    int UserSplitHandInPlay() const {
        if (!HasUser() || facts_.Stage != Stage::UserTurn || User().HandCount != 2)
            return 0;
        return User().CurrentHand;
    }
    // The banker's face-down card is turned up in this round.
    bool BankerShown() const { return facts_.BankerShown; }
    // The user's turn at a seat is over in this round.
    bool UserTurnOver() const { return facts_.UserTurnOver; }
    bool InChallenge() const { return facts_.Challenge; }

protected:
    const TableRules& rules_;

private:
    const RoundState& facts_;
};

} // namespace quorvel
