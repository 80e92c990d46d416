// Outcomes, settlement, claims and the round's figures.
#include "round/Settlement.h"

#include "cards/HandRules.h"
#include "players/Money.h"
#include "players/Payouts.h"
#include "round/Dealer.h"
#include "round/RoundEnding.h"

namespace quorvel {

// ---- outcomes ----

void Settlement::Lose(int seat, int hand) {
    THandRecord& banker = round_.Banker().Main();
    THandRecord& lost = round_.At(seat).Hand(hand);
    banker.Outcome = kOutcomeWon;
    banker.Streak += 1;
    lost.Outcome = kOutcomeLost;
    lost.Streak = 0;
}

void Settlement::Compare(int seat, int hand) {
    if (!round_.At(seat).Alive(hand)) {
        Lose(seat, hand);
        return;
    }
    CompareHands(round_.Banker().Main(), round_.At(seat).Hand(hand));
}

void Settlement::DecideOutcomes() {
    const TableRules& rules = round_.Rules;
    for (int seat = 1; seat <= rules.Seats; ++seat) {
        Seat& s = round_.At(seat);
        const bool user = seat == rules.UserSeat;
        // Face-down cards of live hands are turned, the split hand's first unless the table
        // turns a computer seat's main hand first.
        const bool mainFirst = !user && rules.TurnSeatMainHandFirst;
        const int order[2] = {mainFirst ? Seat::kMain : Seat::kSplit,
                              mainFirst ? Seat::kSplit : Seat::kMain};
        for (int hand : order) {
            if (hand > s.HandCount || !s.Alive(hand) ||
                s.HoleTurned[static_cast<std::size_t>(hand - 1)])
                continue;
            round_.Stages.Deal->TurnHole(seat, hand);
            if (!user)
                round_.ShowText(seat, hand);
            if (hand == order[0] && s.HandCount == 2 && (user || mainFirst))
                round_.Wait(Pause::SplitHandsTurned);
        }
        if (s.HandCount == 1) {
            Compare(seat, Seat::kMain);
            continue;
        }
        const bool splitFirst = rules.OutcomesSplitFirst;
        Compare(seat, splitFirst ? Seat::kSplit : Seat::kMain);
        Compare(seat, splitFirst ? Seat::kMain : Seat::kSplit);
        if (rules.StreakAddedAtOutcomes)
            s.Main().Streak += s.Split().Streak;
    }
    round_.Say(Say::RoundOver, 0);
    Settle();
}

// ---- settlement ----

void Settlement::SetRaiseOffer(Seat& seat, std::int32_t bet) {
    const auto offer = RaisedBetOffer(bet);
    seat.Raise.Offered = offer.has_value();
    if (offer)
        seat.Raise.Amount = *offer;
}

void Settlement::Settle() {
    round_.Say(Say::SettleStart, 0);
    for (int seat = 1; seat <= round_.Rules.Seats; ++seat) {
        if (seat > 1)
            round_.Wait(Pause::BetweenSeatSettlements);
        SettleSeat(seat);
    }
    round_.Stages.Ending->End();
}

void Settlement::SettleSeat(int seat) {
    const TableRules& rules = round_.Rules;
    Seat& s = round_.At(seat);
    s.BetStarred = false;
    const bool split = s.HandCount == 2;
    const int first = split && rules.SettleSplitFirst ? Seat::kSplit : Seat::kMain;
    const int order[2] = {first, first == Seat::kMain ? Seat::kSplit : Seat::kMain};
    for (int i = 0; i < s.HandCount; ++i) {
        const int hand = order[i];
        THandRecord& record = s.Hand(hand);
        // A split hand settles against the seat's money as it stands.
        if (hand == Seat::kSplit)
            record.Money = s.Main().Money;
        switch (record.Outcome) {
        case kOutcomeWon:
            if (hand == Seat::kSplit && rules.SmallSplitWinKeepsOffer &&
                !RaisedBetOffer(record.Bet))
                break;
            SetRaiseOffer(s, record.Bet);
            break;
        case kOutcomePush:
            s.Raise.Offered = false;
            round_.Say(!split                ? Say::Push
                       : hand == Seat::kMain ? Say::PushMainHand
                                             : Say::PushSplitHand,
                       seat);
            break;
        default:
            s.Raise.Offered = false;
            break;
        }
        const int kind = record.Kind;
        const std::int32_t bonus =
            PayBonus(seat, hand, SpecialBonus(record, record.Bet), Say::Bonus);
        const int jackpotHand = rules.JackpotOnMainHand ? Seat::kMain : Seat::kSplit;
        std::int32_t jackpot = 0;
        if (!split || hand == jackpotHand)
            jackpot = PayBonus(seat, hand, JackpotPrize(record), Say::Jackpot);
        if (seat == rules.UserSeat) {
            if (bonus > 0)
                round_.State.RoundBonuses.push_back({kind, bonus});
            if (jackpot > 0)
                round_.State.RoundBonuses.push_back({kJackpotSlot, jackpot});
        }
        SettleHand(seat, hand);
    }
    if (split) {
        if (rules.StreakOfSplitHand)
            s.Main().Streak = s.Split().Streak;
        else
            s.Main().Streak += s.Split().Streak;
    }
}

std::int32_t Settlement::PayBonus(int seat, int hand, std::int32_t amount, quorvel::Say words) {
    if (amount == 0)
        return 0;
    // The bonus is the seat's money before it is announced, so a save during the banner
    // counts it.
    round_.Money.PayBonus(round_.At(seat), hand, amount);
    round_.Say(words, seat, amount, hand);
    return amount;
}

void Settlement::SettleHand(int seat, int hand) {
    // The transfer is complete before any banner holds the game: a save clicked meanwhile
    // counts every stake once.
    const Ledger::Transfer transfer =
        round_.Money.Settle(round_.Banker().Main(), round_.At(seat), hand);
    if (!transfer.BankerBroke)
        return;
    round_.Say(Say::BankerBroke, seat);
    round_.Say(Say::BankerOwes, seat, transfer.Owed);
}

void Settlement::RepayClaims() {
    THandRecord& banker = round_.Banker().Main();
    for (int seat = 1; seat <= round_.Rules.Seats; ++seat) {
        // Repaying stops once the banker has nothing left.
        if (banker.Money <= 0)
            return;
        Seat& s = round_.At(seat);
        if (!s.Debt.Open)
            continue;
        const Ledger::Repayment paid = round_.Money.Repay(banker, s.Main(), s.Debt);
        if (paid.InFull) {
            round_.Say(Say::Repays, seat, paid.Paid);
            continue;
        }
        round_.Say(Say::RepaysPart, seat, paid.Paid);
        round_.Say(Say::CannotRepay, seat);
        return;
    }
}

RoundResult Settlement::Result() const {
    RoundResult result;
    result.RoundNumber = round_.State.RoundNumber;
    for (int seat = 0; seat <= round_.Rules.Seats; ++seat) {
        const Seat& s = round_.At(seat);
        RoundResult::Side& side = result.Sides[static_cast<std::size_t>(seat)];
        side.Change = std::int64_t{s.Main().Money} - s.MoneyAtStart;
        side.Bonus = std::int64_t{s.Main().Bonus} + (s.HandCount == 2 ? s.Split().Bonus : 0);
    }
    return result;
}

} // namespace quorvel
