// The money of a round, every movement of it in one place: the stakes put on the table (chips,
// a computer's bet, a double, a split's second bet), the transfer of each settled hand against
// the banker, what a banker who cannot pay still owes each seat and its repayment, the fees
// for the paid services and the bonuses paid by the house. Every transfer is complete, money
// and bet both, before the table announces anything about it, so a save made while a banner
// shows counts every stake exactly once.
#pragma once

#include "players/HandRecord.h"
#include "round/Seat.h"

#include <cstdint>

namespace quorvel {

class Ledger {
public:
    // ---- stakes ----
    // The hand's bet becomes `bet`: the old bet goes back into its money and the new one is
    // taken out. The chips do not look at the bankroll: the money may go below 0.
    void Restake(THandRecord& hand, std::int32_t bet);
    // A computer seat's bet for the round. A bet above the money ends the seat's money: money
    // and bet are both 0, and what it had leaves the table. Returns that forfeit [money].
    std::int32_t PlaceBet(THandRecord& hand, std::int32_t bet);
    // The hand in play doubles its bet. Both hands of a split share the seat's money.
    void DoubleStake(Seat& seat, int hand);
    // A split's second hand bets as much as the first, out of the seat's money.
    void SplitStake(Seat& seat);

    // ---- settlement ----
    struct Transfer {
        bool BankerBroke = false; // the banker could not cover the won bet and is at 0 now
        std::int32_t Owed = 0;    // the creditor's claim after this transfer [money]
    };
    // One hand against the banker by its outcome: a win is paid twice the bet, a push gets its
    // bet back, a loss gives its bet to the banker. A banker short of a won bet pays all it
    // has and owes the rest to `claim`. The hand's bet is 0 afterwards.
    Transfer Settle(THandRecord& banker, THandRecord& hand, Claim& claim);
    // The same for a seat's hand [1-2]: a split hand's money is the seat's, so the main hand
    // takes the split hand's money after it.
    Transfer Settle(THandRecord& banker, Seat& seat, int hand);

    struct Repayment {
        std::int32_t Paid = 0; // [money]
        bool InFull = false;   // the claim is closed
    };
    // The banker pays what it can of an open claim to `creditor`. Nothing happens when the
    // claim is closed or the banker has nothing.
    Repayment Repay(THandRecord& banker, THandRecord& creditor, Claim& claim);

    // ---- the house ----
    // Takes a fee from the seat's money, and from the split hand's copy of it after a split.
    void Charge(Seat& seat, std::int32_t fee);
    // Pays a special-hand bonus or a jackpot into the hand's money and its bonus of the round;
    // a split hand's bonus is the seat's money at once.
    void PayBonus(Seat& seat, int hand, std::int32_t amount);
    // Money that came into the table from outside the seats since the ledger was made: bonuses
    // paid, less fees and forfeits [money]. Between steps the seats' money and stakes change
    // by nothing else.
    std::int64_t HouseFlow() const { return houseFlow_; }

private:
    std::int64_t houseFlow_ = 0;
};

} // namespace quorvel
