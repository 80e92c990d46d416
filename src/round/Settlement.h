// How a round is settled: every hand's outcome against the banker, then seat by seat the
// raised-bet offer or push, the bonus and the jackpot paid by the house, the money moved
// through the ledger, a broke banker's claims and their repayment, and the round's figures for
// the result dialog.
#pragma once

#include "round/RoundContext.h"

#include <cstdint>

namespace quorvel {

class Settlement {
public:
    explicit Settlement(RoundContext& round) : round_(round) {}

    // Turns the live hands, decides every outcome and settles the round; the round then ends.
    void DecideOutcomes();
    // The banker pays what it still owes, seat by seat, while it has money.
    void RepayClaims();
    // The round's figures: each side's money against its money at the start, and its bonuses.
    RoundResult Result() const;

private:
    void Lose(int seat, int hand);
    void Compare(int seat, int hand);
    void Settle();
    void SettleSeat(int seat);
    void SettleHand(int seat, int hand);
    void SetRaiseOffer(Seat& seat, std::int32_t bet);
    // Pays a bonus or the jackpot through the ledger and announces it; returns the amount.
    std::int32_t PayBonus(int seat, int hand, std::int32_t amount, quorvel::Say words);

    RoundContext& round_;
};

} // namespace quorvel
