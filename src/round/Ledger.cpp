// Stakes, transfers, claims, repayment, fees and bonuses.
#include "round/Ledger.h"

#include "players/Money.h"

#include <string>

namespace quorvel {

namespace {
// The longest name a claim keeps for its repayment banners [characters].
constexpr std::size_t kClaimNameChars = 80;

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == count)
            return text.substr(0, i);
    }
    return text;
}
} // namespace

void Ledger::Restake(THandRecord& hand, std::int32_t bet) {
    hand.Money = SubMoney(AddMoney(hand.Money, hand.Bet), bet);
    hand.Bet = bet;
}

std::int32_t Ledger::PlaceBet(THandRecord& hand, std::int32_t bet) {
    if (bet > hand.Money) {
        const std::int32_t forfeit = hand.Money;
        hand.Money = 0;
        hand.Bet = 0;
        houseFlow_ -= forfeit;
        return forfeit;
    }
    hand.Money = SubMoney(hand.Money, bet);
    hand.Bet = bet;
    return 0;
}

void Ledger::DoubleStake(Seat& seat, int hand) {
    THandRecord& main = seat.Main();
    if (seat.HandCount == 1) {
        const std::int32_t bet = main.Bet;
        main.Bet = MulMoney(bet, 2);
        main.Money = SubMoney(main.Money, bet);
        return;
    }
    THandRecord& doubled = seat.Hand(hand);
    THandRecord& other = seat.Hand(hand == Seat::kMain ? Seat::kSplit : Seat::kMain);
    const std::int32_t bet = doubled.Bet;
    doubled.Money = SubMoney(doubled.Money, bet);
    other.Money = doubled.Money;
    doubled.Bet = AddMoney(doubled.Bet, bet);
}

void Ledger::SplitStake(Seat& seat) {
    THandRecord& main = seat.Main();
    THandRecord& split = seat.Split();
    main.Money = SubMoney(main.Money, main.Bet);
    split.Money = main.Money;
    split.Bet = main.Bet;
}

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
            // The claim is in the hand's name, which is the seat's.
            if (!claim.Open)
                claim.Name = FirstCharacters(hand.Name, kClaimNameChars);
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

Ledger::Transfer Ledger::Settle(THandRecord& banker, Seat& seat, int hand) {
    THandRecord& record = seat.Hand(hand);
    const Transfer transfer = Settle(banker, record, seat.Debt);
    if (hand == Seat::kSplit)
        seat.Main().Money = record.Money;
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
    houseFlow_ -= fee;
}

void Ledger::PayBonus(Seat& seat, int hand, std::int32_t amount) {
    THandRecord& record = seat.Hand(hand);
    record.Money = AddMoney(record.Money, amount);
    record.Bonus = AddMoney(record.Bonus, amount);
    if (hand == Seat::kSplit)
        seat.Main().Money = record.Money;
    houseFlow_ += amount;
}

} // namespace quorvel
