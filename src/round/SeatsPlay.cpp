// The seats' turns.
#include "round/SeatsPlay.h"

#include "round/BankerTurn.h"
#include "round/Dealer.h"
#include "round/SeatController.h"
#include "round/UserTurn.h"

namespace quorvel {

void SeatsPlay::PlayFrom(int seat) {
    const TableRules& rules = round_.Rules;
    for (int s = seat; s <= rules.Seats; ++s) {
        if (s == rules.UserSeat) {
            round_.Say(Say::UserSeatTurn, s);
            if (round_.State.SplitOffered)
                round_.State.Stage = RoundStage::SplitOffer;
            else
                round_.Stages.Turn->Start();
            return;
        }
        PlayComputerSeat(s);
    }
    const bool lastSplit =
        rules.Seats > 0 && round_.At(rules.Seats).HandCount == 2 && rules.UserSeat != rules.Seats;
    round_.Say(lastSplit ? Say::AfterSeatsSplit : Say::AfterSeats, 0);
    round_.Stages.Banker->Play();
}

void SeatsPlay::PlayComputerSeat(int seat) {
    round_.Say(Say::SeatTurn, seat);
    PlayComputerHand(seat, Seat::kMain);
    if (round_.At(seat).HandCount == 2) {
        round_.Say(Say::SeatSplitHandTurn, seat);
        PlayComputerHand(seat, Seat::kSplit);
    }
}

void SeatsPlay::PlayComputerHand(int seat, int hand) {
    Seat& s = round_.At(seat);
    THandRecord& record = s.Hand(hand);
    SeatController& character = round_.Controller(seat);
    // Only the main hand steers its face-down card, once its turn begins.
    if (hand == Seat::kMain)
        character.SteerOpening(record, round_.State.Shoe, s.Hole(hand));
    // The character is asked only while the hand is not bust, and only until it stands or
    // has taken a doubled hand's card.
    while (s.Alive(hand)) {
        ActionKind move = ActionKind::Stand;
        const bool done = round_.ActAs(RoundStage::SeatPlays, seat, hand, [&] {
            const Action decided = character.Move(record, round_.State.Shoe, seat, hand);
            move = decided.Kind;
            return decided;
        });
        // A refused move ends the hand's turn as a stand does.
        if (!done || move != ActionKind::Hit)
            break;
    }
    if (s.Alive(hand))
        return;
    round_.ShowText(seat, hand);
    round_.Stages.Deal->TurnHole(seat, hand);
    round_.Say(hand == Seat::kMain ? Say::SeatBust : Say::SeatSplitBust, seat);
    round_.Say(Say::SeatBustReply, seat);
}

void SeatsPlay::Draw(int seat) {
    round_.Stages.Deal->DrawInto(seat, round_.State.ActorHand);
}

void SeatsPlay::Double(int seat) {
    Seat& s = round_.At(seat);
    const int hand = round_.State.ActorHand;
    s.Doubled[static_cast<std::size_t>(hand - 1)] = true;
    round_.Money.DoubleStake(s, hand);
    round_.Stages.Deal->DrawInto(seat, hand);
}

} // namespace quorvel
