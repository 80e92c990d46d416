// The money of a round: the transfer of each settled hand against the banker, what a banker
// who cannot pay still owes each seat, its repayment, and the fees for the paid services.
// Every transfer is complete, money and bet both, before the table announces anything about
// it, so a save made while a banner shows counts every stake exactly once.
#pragma once

#include "players/HandRecord.h"
#include "round/Seat.h"

#include <cstdint>

namespace quorvel {

class Ledger {
public:
    struct Transfer {
        bool BankerBroke = false; // the banker could not cover the won bet and is at 0 now
        std::int32_t Owed = 0;    // the creditor's claim after this transfer [money]
    };
    // One hand against the banker by its outcome: a win is paid twice the bet, a push gets its
    // bet back, a loss gives its bet to the banker. A banker short of a won bet pays all it
    // has and owes the rest to `claim`. The hand's bet is 0 afterwards.
    Transfer Settle(THandRecord& banker, THandRecord& hand, Claim& claim);

    struct Repayment {
        std::int32_t Paid = 0; // [money]
        bool InFull = false;   // the claim is closed
    };
    // The banker pays what it can of an open claim to `creditor`. Nothing happens when the
    // claim is closed or the banker has nothing.
    Repayment Repay(THandRecord& banker, THandRecord& creditor, Claim& claim);

    // Takes a fee from the seat's money, and from the split hand's copy of it after a split.
    void Charge(Seat& seat, std::int32_t fee);
};

} // namespace quorvel
