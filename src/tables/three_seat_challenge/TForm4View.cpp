// TForm4 as the engine's view: buttons and labels from the engine's offers and seats, card
// places and the split's slide, the result dialog, and the hand-over to the one-on-one table
// for a challenge and back.
#include "tables/three_seat_challenge/TForm4.h"

#include "ui/Card.h"
#include "gui/App.h"
#include "gui/BitBtn.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/three_seat_challenge/TForm4Layout.h"
#include "tables/three_seat_challenge/TForm8.h"

#include <algorithm>

namespace quorvel {

using namespace tform4;

void TForm4::Refresh() {
    ShowAdvice();
    ShowOffers(kOfferControls);
    ShowHandInPlay();
    if (chipBarClosing_)
        for (const char* name : kChipBar)
            Find(name)->Hide();
    ShowSeatLabels(kSeatLabels);
    bonusTable_->Refresh(Look().BonusTableShown());
    static_cast<BitBtn&>(*Find("BitBtn17")).SetCaption(Look().ToggleCaption());
}

void TForm4::ShowHandText(int seat, int hand, const std::string& text) {
    SetHandLabel(kHandLabels, seat, hand, text);
}

Point TForm4::CardPlace(int seat, int hand, int slot) const {
    Point place = kFirstPlaces[seat];
    // Once a seat splits, its hands lie on rows of their own.
    if (seat != 0 && engine_.At(seat).Split().CardCount > 0)
        place.y += kSplitRows[seat][hand - 1];
    const int step = seat == kFanLeftSeat ? -kCardStep : kCardStep;
    return {place.x + step * (slot - 1), place.y};
}

Point TForm4::ShoePoint() const {
    return kShoePoint;
}

void TForm4::SlidePair(int seat) {
    // The twin in first place passes to the split hand's second place, the other twin moves
    // onto the main hand's row; the new face-down cards are dealt afterwards.
    TCard& twin = Card(seat, Seat::kMain, 1);
    TCard& kept = Card(seat, Seat::kMain, 2);
    TCard& passed = Card(seat, Seat::kSplit, 2);
    passed.SetCard(engine_.At(seat).Split().Card(2));
    passed.SetFaceUp(true);
    passed.SetPosition(twin.Left(), twin.Top());
    passed.Show();
    twin.Hide();
    const Point passedTo = CardPlace(seat, Seat::kSplit, 2);
    const Point keptTo = CardPlace(seat, Seat::kMain, 2);
    const auto toward = [](int from, int to) {
        return from + std::clamp(to - from, -kSlideStep, kSlideStep);
    };
    while (passed.Left() != passedTo.x || passed.Top() != passedTo.y || kept.Left() != keptTo.x ||
           kept.Top() != keptTo.y) {
        passed.SetPosition(toward(passed.Left(), passedTo.x), toward(passed.Top(), passedTo.y));
        kept.SetPosition(toward(kept.Left(), keptTo.x), toward(kept.Top(), keptTo.y));
        delay(1);
    }
}

void TForm4::SetDialog(TForm8& dialog) {
    dialog_ = &dialog;
    dialog.onContinue = [this] { NextRoundClick(true); };
}

void TForm4::ShowResult(const RoundResult& result) {
    if (dialog_)
        dialog_->ShowRound(ResultLines(engine_, result), result.RoundNumber);
}

void TForm4::HideResult() {
    if (dialog_)
        dialog_->Hide();
}

void TForm4::ClearResultExtras() {
    if (dialog_)
        dialog_->ClearRoundLines();
}

// ---- the challenge ----

void TForm4::LeaveForChallenge() {
    if (!challengeTable_)
        return;
    const THandRecord& banker = engine_.Banker().Main();
    const THandRecord& user = engine_.User().Main();
    // The challenge's rounds count as this table's in the statistics.
    const ChallengeEntry entry{banker.Name, banker.Money, user.Name,
                               user.Money,  user.Streak,  engine_.Rules().Mode};
    ChallengeHooks hooks;
    hooks.HandBack = [this](std::int32_t userMoney, std::int32_t bankerMoney) {
        ReturnFromChallenge(userMoney, bankerMoney);
    };
    // A banker beaten in the challenge ends this table's game too: it starts afresh.
    hooks.BankerBeaten = [this] { ResetForMainMenu(); };
    Hide();
    challengeTable_->EnterChallenge(entry, std::move(hooks));
}

void TForm4::ReturnFromChallenge(std::int32_t userMoney, std::int32_t bankerMoney) {
    Show();
    engine_.ReturnFromChallenge(userMoney, bankerMoney);
}

} // namespace quorvel
