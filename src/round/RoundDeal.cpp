// The cards of a round: a new shoe when too few cards are left, the first and second cards
// with their steering, the split offered to the user or made by a computer seat, and the
// small steps every deal and draw is made of.
#include "round/RoundEngine.h"

#include "cards/HandRules.h"
#include "cards/ShoeStack.h"
#include "cards/Steering.h"
#include "players/Money.h"

#include <algorithm>

namespace quorvel {

void RoundEngine::PrepareRound() {
    for (int seat = 0; seat <= rules_.Seats; ++seat)
        for (int hand : {Seat::kMain, Seat::kSplit}) {
            view_.ClearHand(seat, hand);
            ResetHand(At(seat).Hand(hand));
            At(seat).HoleTurned[static_cast<std::size_t>(hand - 1)] = false;
        }
    // The one-seat challenge table keeps 19 cards for every hand of the round just played,
    // and two hands more.
    const int limit = rules_.ShoeLimit > 0 ? rules_.ShoeLimit : OneSeatShoeLimit(At(1).HandCount);
    if (NeedsNewShoe(shoe_, limit, roundNumber_)) {
        if (roundNumber_ != 1)
            Say(Say::Shuffle, 0);
        NewShoe(shoe_, random_, &stack_);
    }
    view_.ShowCounts();
}

void RoundEngine::StartDealing() {
    Say(Say::StartDealing, 0);
    Wait(Pause::BeforeDeal);
    DealFirstCards();
    SecondCards();
    OfferOrMakeSplits();
    Say(Say::WhoDraws, 0);
    PlaySeatsFrom(1);
}

// ---- single cards ----

void RoundEngine::DealInto(int seat, int hand, int slot, bool faceUp) {
    THandRecord& record = At(seat).Hand(hand);
    DealCard(record, slot, shoe_);
    record.CardCount = std::max(record.CardCount, slot);
    Refresh();
    view_.DealCard(seat, hand, slot, faceUp);
}

void RoundEngine::DrawInto(int seat, int hand) {
    // The card about to be dealt is counted as seen as it comes face up.
    MarkCardSeen(shoe_, shoe_.Position);
    view_.ShowCounts();
    THandRecord& record = At(seat).Hand(hand);
    const int slot = DrawCard(record, shoe_);
    if (slot == 0)
        return;
    Refresh();
    view_.DealCard(seat, hand, slot, true);
}

void RoundEngine::TurnHole(int seat, int hand) {
    Seat& s = At(seat);
    view_.TurnCard(seat, hand, 1, true);
    s.HoleTurned[static_cast<std::size_t>(hand - 1)] = true;
    MarkCardSeen(shoe_, s.Hole(hand));
    view_.ShowCounts();
}

bool RoundEngine::Identical(const Seat& seat) const {
    return seat.Main().Card(1) == seat.Main().Card(2);
}

// ---- the deal ----

void RoundEngine::DealFirstCards() {
    // Face down, the banker's first, then each seat's.
    for (int seat = 0; seat <= rules_.Seats; ++seat) {
        Seat& s = At(seat);
        s.Hole(Seat::kMain) = shoe_.Position;
        DealInto(seat, Seat::kMain, 1, false);
        Wait(Pause::BetweenDealtCards);
    }
}

void RoundEngine::SecondCards() {
    Seat& banker = Banker();
    MarkCardSeen(shoe_, shoe_.Position);
    view_.ShowCounts();
    DealInto(0, Seat::kMain, 2, true);
    EvaluateHand(banker.Main());
    if (banker.Controller->IsUser())
        ShowText(0, Seat::kMain);
    else
        banker.Controller->SteerOpening(banker.Main(), shoe_, banker.Hole(Seat::kMain));
    for (int seat = 1; seat <= rules_.Seats; ++seat) {
        Wait(Pause::BetweenDealtCards);
        Seat& s = At(seat);
        // Now and then the second card is steered into an identical pair.
        const int r = random_.Draw(DrawStream::Rules, 1, 100);
        if (r <= rules_.PairChance && !s.Doubled[0])
            SteerPlayerPair(s.Main(), shoe_);
        MarkCardSeen(shoe_, shoe_.Position);
        view_.ShowCounts();
        DealInto(seat, Seat::kMain, 2, true);
        EvaluateHand(s.Main());
    }
}

void RoundEngine::OfferOrMakeSplits() {
    for (int seat = 1; seat <= rules_.Seats; ++seat) {
        Seat& s = At(seat);
        const bool user = seat == rules_.UserSeat;
        const bool pair = Identical(s) && !s.Doubled[0];
        const bool canPay = s.Main().Money >= s.Main().Bet;
        s.HandCount = 1;
        s.CurrentHand = Seat::kMain;
        if (user && rules_.UserChoosesSplit) {
            if (pair && canPay) {
                // The offer stands: the split hand would be played first.
                s.HandCount = 2;
                s.CurrentHand = Seat::kSplit;
                splitOffered_ = true;
            } else if (pair) {
                Say(Say::NoMoneyToSplit, seat);
            }
        } else if (pair && canPay) {
            MakeSplit(seat);
        } else if (pair && user) {
            Say(Say::NoMoneyToSplit, seat);
        }
        if (user) {
            ShowText(seat, Seat::kMain);
            if (s.HandCount == 2 && !splitOffered_)
                ShowText(seat, Seat::kSplit);
        }
    }
}

void RoundEngine::MakeSplit(int seat) {
    Seat& s = At(seat);
    THandRecord& main = s.Main();
    THandRecord& split = s.Split();
    Say(Say::Splits, seat);
    TurnHole(seat, Seat::kMain);
    // The split hand starts with the second card of the pair and the main hand keeps the other;
    // each gets a new face-down first card, the split hand's or the main hand's first.
    split.Card(2) = main.Card(2);
    const auto newHole = [&](int hand) {
        s.Hole(hand) = shoe_.Position;
        s.HoleTurned[static_cast<std::size_t>(hand - 1)] = false;
        DealInto(seat, hand, 1, false);
    };
    if (!rules_.SplitMainCardFirst)
        newHole(Seat::kSplit);
    split.CardCount = 2;
    Refresh();
    view_.SlidePair(seat);
    newHole(Seat::kMain);
    if (rules_.SplitMainCardFirst)
        newHole(Seat::kSplit);
    main.CardCount = 2;
    split.CardCount = 2;
    EvaluateHand(main);
    EvaluateHand(split);
    // The split hand's stake is a second bet as large as the first.
    ledger_.SplitStake(s);
    split.Streak = main.Streak;
    split.Name = main.Name;
    s.HandCount = 2;
    s.BetStarred = true;
}

void RoundEngine::ChooseSplit(bool split) {
    Seat& user = User();
    stage_ = Stage::Playing;
    splitOffered_ = false;
    if (!split) {
        user.HandCount = 1;
        user.CurrentHand = Seat::kMain;
        StartUserTurn();
        return;
    }
    view_.ClearHand(rules_.UserSeat, Seat::kMain);
    MakeSplit(rules_.UserSeat);
    user.CurrentHand = rules_.UserPlaysSplitFirst ? Seat::kSplit : Seat::kMain;
    ShowText(rules_.UserSeat, Seat::kMain);
    StartUserTurn();
}

} // namespace quorvel
