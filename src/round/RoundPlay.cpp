// The seats' turns in order and the banker's turn: a computer hand draws by its character's
// decisions, a computer banker draws below 17 and then as its character decides, the user as
// banker draws until standing at 17 or more. Then every hand's outcome is decided.
#include "round/RoundEngine.h"

#include "cards/HandRules.h"
#include "players/Payouts.h"

namespace quorvel {

// ---- the seats ----

void RoundEngine::PlaySeatsFrom(int seat) {
    for (int s = seat; s <= rules_.Seats; ++s) {
        if (s == rules_.UserSeat) {
            Say(Say::UserSeatTurn, s);
            if (splitOffered_) {
                stage_ = Stage::SplitOffer;
            } else {
                StartUserTurn();
            }
            return;
        }
        PlayComputerSeat(s);
    }
    const bool lastSplit =
        rules_.Seats > 0 && At(rules_.Seats).HandCount == 2 && rules_.UserSeat != rules_.Seats;
    Say(lastSplit ? Say::AfterSeatsSplit : Say::AfterSeats, 0);
    BankerPlays();
}

void RoundEngine::PlayComputerSeat(int seat) {
    Say(Say::SeatTurn, seat);
    PlayComputerHand(seat, Seat::kMain);
    if (At(seat).HandCount == 2) {
        Say(Say::SeatSplitHandTurn, seat);
        PlayComputerHand(seat, Seat::kSplit);
    }
}

void RoundEngine::PlayComputerHand(int seat, int hand) {
    Seat& s = At(seat);
    THandRecord& record = s.Hand(hand);
    // Only the main hand steers its face-down card, once its turn begins.
    if (hand == Seat::kMain)
        s.Controller->SteerOpening(record, shoe_, s.Hole(hand));
    // The character is asked only while the hand is not bust.
    while (s.Alive(hand) && s.Controller->NextMove(record, shoe_) == ActionKind::Hit)
        DrawInto(seat, hand);
    if (s.Alive(hand))
        return;
    ShowText(seat, hand);
    TurnHole(seat, hand);
    Say(hand == Seat::kMain ? Say::SeatBust : Say::SeatSplitBust, seat);
    Say(Say::SeatBustReply, seat);
}

// ---- the banker ----

void RoundEngine::BankerPlays() {
    if (Banker().Controller->IsUser()) {
        // The user banks: the buttons wait for hit or stand.
        stage_ = Stage::UserTurn;
        servicesHidden_ = turnOver_ = false;
        return;
    }
    bankerShown_ = true;
    TurnHole(0, Seat::kMain);
    ShowText(0, Seat::kMain);
    ComputerBankerDraws();
    DecideOutcomes();
}

void RoundEngine::ComputerBankerDraws() {
    Seat& banker = Banker();
    THandRecord& hand = banker.Main();
    // Below 17 the banker must draw; its character is asked all the same, since asking may
    // steer the next card, but the answer does not count.
    while (hand.HandValue >= 1 && hand.HandValue <= 16) {
        Say(Say::BankerMustDraw, 0);
        banker.Controller->NextMove(hand, shoe_);
        DrawInto(0, Seat::kMain);
        ShowText(0, Seat::kMain);
    }
    if (rules_.Drawing == BankerDrawing::FirstAnswerRules) {
        bool more = banker.Alive(Seat::kMain) &&
                    banker.Controller->NextMove(hand, shoe_) == ActionKind::Hit;
        while (more && hand.HandValue < 21 && banker.Alive(Seat::kMain)) {
            Say(Say::BankerMustDraw, 0);
            banker.Controller->NextMove(hand, shoe_);
            DrawInto(0, Seat::kMain);
            ShowText(0, Seat::kMain);
        }
        if (!banker.Alive(Seat::kMain)) {
            Say(Say::BankerBust, 0);
            Say(Say::SeatsOpen, 0);
        }
        return;
    }
    if (!banker.Alive(Seat::kMain))
        Say(Say::BankerBust, 0);
    // Against a single bust hand the banker takes one more card below 21 before asking.
    const Seat& only = At(1);
    const bool againstBust = rules_.Seats == 1 && only.HandCount == 1 && !only.Alive(Seat::kMain);
    OptionalDrawing(!againstBust);
}

void RoundEngine::OptionalDrawing(bool startWithAsk) {
    Seat& banker = Banker();
    THandRecord& hand = banker.Main();
    bool more = startWithAsk ? banker.Controller->NextMove(hand, shoe_) == ActionKind::Hit
                             : hand.HandValue < 21;
    const bool wasAlive = banker.Alive(Seat::kMain);
    while (banker.Alive(Seat::kMain) && more) {
        DrawInto(0, Seat::kMain);
        more = banker.Controller->NextMove(hand, shoe_) == ActionKind::Hit;
        ShowText(0, Seat::kMain);
    }
    // A banker already bust from its forced drawing was announced there.
    if (wasAlive && !banker.Alive(Seat::kMain))
        Say(Say::BankerBust, 0);
}

void RoundEngine::UserBankerHit() {
    Seat& banker = Banker();
    DrawInto(0, Seat::kMain);
    ShowText(0, Seat::kMain);
    servicesOff_ = false;
    if (banker.Alive(Seat::kMain))
        return;
    turnOver_ = true;
    Say(Say::UserBankerBust, 0);
    TurnHole(0, Seat::kMain);
    Say(Say::SettleNow, 0);
    bankerShown_ = true;
    stage_ = Stage::Playing;
    DecideOutcomes();
}

void RoundEngine::UserBankerStand() {
    Seat& banker = Banker();
    ShowText(0, Seat::kMain);
    servicesOff_ = false;
    // The user banks under the banker's rule: below 17 the turn goes on.
    if (banker.Alive(Seat::kMain) && banker.Main().HandValue < 17) {
        Say(Say::UserBankerMustDraw, 0);
        return;
    }
    turnOver_ = true;
    TurnHole(0, Seat::kMain);
    Say(Say::UserBankerStands, 0);
    bankerShown_ = true;
    stage_ = Stage::Playing;
    DecideOutcomes();
}

// ---- outcomes ----

void RoundEngine::Lose(int seat, int hand) {
    THandRecord& banker = Banker().Main();
    THandRecord& lost = At(seat).Hand(hand);
    banker.Outcome = kOutcomeWon;
    banker.Streak += 1;
    lost.Outcome = kOutcomeLost;
    lost.Streak = 0;
}

void RoundEngine::Compare(int seat, int hand) {
    if (!At(seat).Alive(hand)) {
        Lose(seat, hand);
        return;
    }
    CompareHands(Banker().Main(), At(seat).Hand(hand));
}

void RoundEngine::DecideOutcomes() {
    for (int seat = 1; seat <= rules_.Seats; ++seat) {
        Seat& s = At(seat);
        const bool user = seat == rules_.UserSeat;
        // Face-down cards of live hands are turned, the split hand's first unless the table
        // turns a computer seat's main hand first.
        const bool mainFirst = !user && rules_.TurnSeatMainHandFirst;
        const int order[2] = {mainFirst ? Seat::kMain : Seat::kSplit,
                              mainFirst ? Seat::kSplit : Seat::kMain};
        for (int hand : order) {
            if (hand > s.HandCount || !s.Alive(hand) ||
                s.HoleTurned[static_cast<std::size_t>(hand - 1)])
                continue;
            TurnHole(seat, hand);
            if (!user)
                ShowText(seat, hand);
            if (hand == order[0] && s.HandCount == 2 && (user || mainFirst))
                Wait(Pause::SplitHandsTurned);
        }
        if (s.HandCount == 1) {
            Compare(seat, Seat::kMain);
            continue;
        }
        const bool splitFirst = rules_.OutcomesSplitFirst;
        Compare(seat, splitFirst ? Seat::kSplit : Seat::kMain);
        Compare(seat, splitFirst ? Seat::kMain : Seat::kSplit);
        if (rules_.StreakAddedAtOutcomes)
            s.Main().Streak += s.Split().Streak;
    }
    Say(Say::RoundOver, 0);
    Settle();
}

} // namespace quorvel
