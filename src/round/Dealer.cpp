// Preparing, dealing, drawing, turning and splitting.
#include "round/Dealer.h"

#include "cards/HandRules.h"
#include "cards/ShoeStack.h"
#include "cards/Steering.h"
#include "round/SeatController.h"

#include <algorithm>

namespace quorvel {

void Dealer::PrepareRound() {
    RoundState& state = round_.State;
    for (int seat = 0; seat <= round_.Rules.Seats; ++seat)
        for (int hand : {Seat::kMain, Seat::kSplit}) {
            round_.View.ClearHand(seat, hand);
            ResetHand(round_.At(seat).Hand(hand));
            round_.At(seat).HoleTurned[static_cast<std::size_t>(hand - 1)] = false;
        }
    // The one-seat challenge table keeps 19 cards for every hand of the round just played,
    // and two hands more.
    const int limit = round_.Rules.ShoeLimit > 0 ? round_.Rules.ShoeLimit
                                                 : OneSeatShoeLimit(round_.At(1).HandCount);
    if (NeedsNewShoe(state.Shoe, limit, state.RoundNumber)) {
        if (state.RoundNumber != 1)
            round_.Say(Say::Shuffle, 0);
        NewShoe(state.Shoe, round_.Random, &round_.Stack);
    }
    round_.View.ShowCounts();
}

void Dealer::DealRound() {
    DealFirstCards();
    SecondCards();
    OfferOrMakeSplits();
}

// ---- single cards ----

void Dealer::DealInto(int seat, int hand, int slot, bool faceUp) {
    THandRecord& record = round_.At(seat).Hand(hand);
    DealCard(record, slot, round_.State.Shoe);
    record.CardCount = std::max(record.CardCount, slot);
    round_.Refresh();
    round_.View.DealCard(seat, hand, slot, faceUp);
}

void Dealer::DrawInto(int seat, int hand) {
    TableShoe& shoe = round_.State.Shoe;
    // The card about to be dealt is counted as seen as it comes face up.
    MarkCardSeen(shoe, shoe.Position);
    round_.View.ShowCounts();
    const int slot = DrawCard(round_.At(seat).Hand(hand), shoe);
    if (slot == 0)
        return;
    round_.Refresh();
    round_.View.DealCard(seat, hand, slot, true);
}

void Dealer::TurnHole(int seat, int hand) {
    Seat& s = round_.At(seat);
    round_.View.TurnCard(seat, hand, 1, true);
    s.HoleTurned[static_cast<std::size_t>(hand - 1)] = true;
    MarkCardSeen(round_.State.Shoe, s.Hole(hand));
    round_.View.ShowCounts();
}

bool Dealer::Identical(const Seat& seat) {
    return seat.Main().Card(1) == seat.Main().Card(2);
}

// ---- the deal ----

void Dealer::DealFirstCards() {
    // Face down, the banker's first, then each seat's.
    for (int seat = 0; seat <= round_.Rules.Seats; ++seat) {
        round_.At(seat).Hole(Seat::kMain) = round_.State.Shoe.Position;
        DealInto(seat, Seat::kMain, 1, false);
        round_.Wait(Pause::BetweenDealtCards);
    }
}

void Dealer::SecondCards() {
    TableShoe& shoe = round_.State.Shoe;
    Seat& banker = round_.Banker();
    MarkCardSeen(shoe, shoe.Position);
    round_.View.ShowCounts();
    DealInto(0, Seat::kMain, 2, true);
    EvaluateHand(banker.Main());
    // The user as banker sees the hand at once; a computer banker may steer its face-down card.
    if (round_.UserBanks())
        round_.ShowText(0, Seat::kMain);
    else
        round_.Controller(0).SteerOpening(banker.Main(), shoe, banker.Hole(Seat::kMain));
    for (int seat = 1; seat <= round_.Rules.Seats; ++seat) {
        round_.Wait(Pause::BetweenDealtCards);
        Seat& s = round_.At(seat);
        // Now and then the second card is steered into an identical pair.
        const int r = round_.Random.Draw(DrawStream::Rules, 1, 100);
        if (r <= round_.Rules.PairChance && !s.Doubled[0])
            SteerPlayerPair(s.Main(), shoe);
        MarkCardSeen(shoe, shoe.Position);
        round_.View.ShowCounts();
        DealInto(seat, Seat::kMain, 2, true);
        EvaluateHand(s.Main());
    }
}

void Dealer::OfferOrMakeSplits() {
    const TableRules& rules = round_.Rules;
    for (int seat = 1; seat <= rules.Seats; ++seat) {
        Seat& s = round_.At(seat);
        const bool user = seat == rules.UserSeat;
        const bool pair = Identical(s) && !s.Doubled[0];
        const bool canPay = s.Main().Money >= s.Main().Bet;
        s.HandCount = 1;
        s.CurrentHand = Seat::kMain;
        if (user && rules.UserChoosesSplit) {
            if (pair && canPay) {
                // The offer stands: the split hand would be played first.
                s.HandCount = 2;
                s.CurrentHand = Seat::kSplit;
                round_.State.SplitOffered = true;
            } else if (pair) {
                round_.Say(Say::NoMoneyToSplit, seat);
            }
        } else if (pair && canPay) {
            // A computer seat splits by its character's choice; the user's pair at a table
            // that does not ask is split by the table's rule.
            round_.ActAs(RoundStage::SeatSplits, seat, Seat::kMain, [&] {
                return user ? Action::By(seat, ActionKind::Split)
                            : round_.Controller(seat).SplitChoice(seat);
            });
        } else if (pair && user) {
            round_.Say(Say::NoMoneyToSplit, seat);
        }
        if (user) {
            round_.ShowText(seat, Seat::kMain);
            if (s.HandCount == 2 && !round_.State.SplitOffered)
                round_.ShowText(seat, Seat::kSplit);
        }
    }
}

void Dealer::MakeSplit(int seat) {
    const TableRules& rules = round_.Rules;
    Seat& s = round_.At(seat);
    THandRecord& main = s.Main();
    THandRecord& split = s.Split();
    round_.Say(Say::Splits, seat);
    TurnHole(seat, Seat::kMain);
    // The split hand starts with the second card of the pair and the main hand keeps the other;
    // each gets a new face-down first card, the split hand's or the main hand's first.
    split.Card(2) = main.Card(2);
    const auto newHole = [&](int hand) {
        s.Hole(hand) = round_.State.Shoe.Position;
        s.HoleTurned[static_cast<std::size_t>(hand - 1)] = false;
        DealInto(seat, hand, 1, false);
    };
    if (!rules.SplitMainCardFirst)
        newHole(Seat::kSplit);
    split.CardCount = 2;
    round_.Refresh();
    round_.View.SlidePair(seat);
    newHole(Seat::kMain);
    if (rules.SplitMainCardFirst)
        newHole(Seat::kSplit);
    main.CardCount = 2;
    split.CardCount = 2;
    EvaluateHand(main);
    EvaluateHand(split);
    // The split hand's stake is a second bet as large as the first.
    round_.Money.SplitStake(s);
    split.Streak = main.Streak;
    split.Name = main.Name;
    s.HandCount = 2;
    s.BetStarred = true;
}

} // namespace quorvel
