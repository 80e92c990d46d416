// The banker's turn, computer or user.
#include "round/BankerTurn.h"

#include "round/Dealer.h"
#include "round/SeatController.h"
#include "round/Settlement.h"

namespace quorvel {

void BankerTurn::Play() {
    RoundState& state = round_.State;
    if (round_.UserBanks()) {
        // The user banks: the buttons wait for hit or stand.
        state.Stage = RoundStage::UserTurn;
        state.Turn.ServicesHidden = state.Turn.TurnOver = false;
        return;
    }
    state.Stage = RoundStage::BankerPlays;
    state.Actor = 0;
    round_.Act(Action::By(0, ActionKind::Open));
    ComputerDraws();
    state.Stage = RoundStage::Playing;
    state.Actor = -1;
    state.BankerMustDraw = false;
    round_.Stages.Settle->DecideOutcomes();
}

void BankerTurn::Open() {
    round_.State.BankerShown = true;
    round_.Stages.Deal->TurnHole(0, Seat::kMain);
    round_.ShowText(0, Seat::kMain);
}

void BankerTurn::Draw() {
    round_.Stages.Deal->DrawInto(0, Seat::kMain);
}

Action BankerTurn::Ask() {
    return round_.Controller(0).Move(round_.Banker().Main(), round_.State.Shoe, 0, Seat::kMain);
}

void BankerTurn::ForcedCard() {
    Seat& banker = round_.Banker();
    round_.State.BankerMustDraw = true;
    round_.Controller(0).SteerForcedCard(banker.Main(), round_.State.Shoe);
    round_.Act(Action::By(0, ActionKind::Hit));
}

void BankerTurn::ComputerDraws() {
    const TableRules& rules = round_.Rules;
    Seat& banker = round_.Banker();
    THandRecord& hand = banker.Main();
    // Below 17 the banker must draw; its character still has its say on the card.
    while (hand.HandValue >= 1 && hand.HandValue <= 16) {
        round_.Say(Say::BankerMustDraw, 0);
        ForcedCard();
        round_.ShowText(0, Seat::kMain);
    }
    round_.State.BankerMustDraw = false;
    if (rules.Drawing == BankerDrawing::FirstAnswerRules) {
        // One answer decides: after a yes the banker draws on to 21, its character steering
        // each card.
        if (banker.Alive(Seat::kMain)) {
            const Action answer = Ask();
            if (answer.Kind != ActionKind::Hit)
                round_.Act(answer);
            else
                while (hand.HandValue < 21 && banker.Alive(Seat::kMain)) {
                    round_.Say(Say::BankerMustDraw, 0);
                    ForcedCard();
                    round_.ShowText(0, Seat::kMain);
                }
            round_.State.BankerMustDraw = false;
        }
        if (!banker.Alive(Seat::kMain)) {
            round_.Say(Say::BankerBust, 0);
            round_.Say(Say::SeatsOpen, 0);
        }
        return;
    }
    if (!banker.Alive(Seat::kMain))
        round_.Say(Say::BankerBust, 0);
    // Against a single bust hand the banker takes one more card below 21 before asking.
    const Seat& only = round_.At(1);
    const bool againstBust = rules.Seats == 1 && only.HandCount == 1 && !only.Alive(Seat::kMain);
    OptionalDrawing(!againstBust);
}

void BankerTurn::OptionalDrawing(bool startWithAsk) {
    Seat& banker = round_.Banker();
    const bool wasAlive = banker.Alive(Seat::kMain);
    // The character's answer: a stand is taken at once, a hit is the card drawn next.
    const auto decides = [this, &banker] {
        if (!banker.Alive(Seat::kMain)) {
            // A bust banker's turn is over; its character still has its last word on the shoe.
            round_.Controller(0).SteerForcedCard(banker.Main(), round_.State.Shoe);
            return false;
        }
        const Action answer = Ask();
        if (answer.Kind == ActionKind::Hit)
            return true;
        round_.Act(answer);
        return false;
    };
    // Against a single bust hand the first card below 21 is the rule's, not the character's.
    round_.State.BankerMustDraw = !startWithAsk;
    bool more = startWithAsk ? decides() : banker.Main().HandValue < 21;
    while (banker.Alive(Seat::kMain) && more) {
        round_.Act(Action::By(0, ActionKind::Hit));
        round_.State.BankerMustDraw = false;
        more = decides();
        round_.ShowText(0, Seat::kMain);
    }
    round_.State.BankerMustDraw = false;
    // A banker already bust from its forced drawing was announced there.
    if (wasAlive && !banker.Alive(Seat::kMain))
        round_.Say(Say::BankerBust, 0);
}

// ---- the user as banker ----

void BankerTurn::UserHit() {
    RoundState& state = round_.State;
    Seat& banker = round_.Banker();
    round_.Stages.Deal->DrawInto(0, Seat::kMain);
    round_.ShowText(0, Seat::kMain);
    state.Turn.ServicesOff = false;
    if (banker.Alive(Seat::kMain))
        return;
    state.Turn.TurnOver = true;
    round_.Say(Say::UserBankerBust, 0);
    round_.Stages.Deal->TurnHole(0, Seat::kMain);
    round_.Say(Say::SettleNow, 0);
    state.BankerShown = true;
    state.Stage = RoundStage::Playing;
    round_.Stages.Settle->DecideOutcomes();
}

void BankerTurn::UserStand() {
    RoundState& state = round_.State;
    Seat& banker = round_.Banker();
    round_.ShowText(0, Seat::kMain);
    state.Turn.ServicesOff = false;
    // The user banks under the banker's rule: below 17 the turn goes on.
    if (banker.Alive(Seat::kMain) && banker.Main().HandValue < 17) {
        round_.Say(Say::UserBankerMustDraw, 0);
        return;
    }
    state.Turn.TurnOver = true;
    round_.Stages.Deal->TurnHole(0, Seat::kMain);
    round_.Say(Say::UserBankerStands, 0);
    state.BankerShown = true;
    state.Stage = RoundStage::Playing;
    round_.Stages.Settle->DecideOutcomes();
}

} // namespace quorvel
