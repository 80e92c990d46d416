// Transfers, claims, repayment and fees.
#include "round/Ledger.h"

#include "players/Money.h"

namespace quorvel {

Ledger::Transfer Ledger::Settle(THandRecord& banker, THandRecord& hand, Claim& claim) {
    Transfer transfer;
    const std::int32_t bet = hand.Bet;
    switch (hand.Outcome) {
    case kOutcomeWon:
        if (banker.Money >= bet) {
            banker.Money = SubMoney(banker.Money, bet);
            hand.Money = AddMoney(hand.Money, MulMoney(bet, 2));
        } else {
            const std::int32_t had = banker.Money;
            hand.Money = AddMoney(hand.Money, std::int64_t{bet} + had);
            banker.Money = 0;
            claim.Open = true;
            claim.Amount = AddMoney(claim.Amount, std::int64_t{bet} - had);
            transfer.BankerBroke = true;
        }
        break;
    case kOutcomePush:
        hand.Money = AddMoney(hand.Money, bet);
        break;
    default:
        banker.Money = AddMoney(banker.Money, bet);
        break;
    }
    hand.Bet = 0;
    transfer.Owed = claim.Amount;
    return transfer;
}

Ledger::Repayment Ledger::Repay(THandRecord& banker, THandRecord& creditor, Claim& claim) {
    Repayment repayment;
    if (!claim.Open || banker.Money <= 0)
        return repayment;
    if (banker.Money >= claim.Amount) {
        repayment.Paid = claim.Amount;
        repayment.InFull = true;
        claim.Amount = 0;
        claim.Open = false;
    } else {
        repayment.Paid = banker.Money;
        claim.Amount = SubMoney(claim.Amount, banker.Money);
    }
    banker.Money = SubMoney(banker.Money, repayment.Paid);
    creditor.Money = AddMoney(creditor.Money, repayment.Paid);
    return repayment;
}

void Ledger::Charge(Seat& seat, std::int32_t fee) {
    seat.Main().Money = SubMoney(seat.Main().Money, fee);
    if (seat.HandCount == 2)
        seat.Split().Money = SubMoney(seat.Split().Money, fee);
}

} // namespace quorvel
