// Card places, the card flight and the split's slides.
#include "tables/CardMotion.h"

#include "gui/App.h"
#include "tables/HandCards.h"
#include "ui/Card.h"
#include "ui/ScreenConventions.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

CardMotion::CardMotion(App& app, const RoundFacts& round, HandCards& cards,
                       const CardGeometry& geometry, const SplitSlide& slide)
    : app_(app), round_(round), cards_(cards), geometry_(geometry), slide_(slide) {}

void CardMotion::delay(int ms) {
    app_.Delay(ms);
}

Point CardMotion::CardPlace(int seat, int hand, int slot) const {
    Point place = geometry_.First.at(static_cast<std::size_t>(seat));
    if (hand == Seat::kSplit)
        place.x += geometry_.SplitShift;
    // A seat that has split lays its hands on rows of their own; its split hand holds cards
    // from the split's first new card on.
    if (seat != 0 && round_.At(seat).Split().CardCount > 0)
        place.y +=
            geometry_.SplitRows[static_cast<std::size_t>(seat)][static_cast<std::size_t>(hand - 1)];
    const int step = seat == geometry_.FanLeftSeat ? -geometry_.Step : geometry_.Step;
    return {place.x + step * (slot - 1), place.y};
}

Rect CardMotion::CardArea(int seat, int hand, int cards) const {
    const Point first = CardPlace(seat, hand, 1);
    const Point last = CardPlace(seat, hand, cards);
    const int left = std::min(first.x, last.x), top = std::min(first.y, last.y);
    return {left, top, std::max(first.x, last.x) - left + kCardWidth,
            std::max(first.y, last.y) - top + kCardHeight};
}

void CardMotion::Deal(int seat, int hand, int slot, bool faceUp) {
    TCard& card = cards_.Card(seat, hand, slot);
    card.SetCard(round_.At(seat).Hand(hand).Card(slot));
    card.SetFaceUp(faceUp);
    const Point place = CardPlace(seat, hand, slot);
    FlyCard(card, place.x, place.y);
}

void CardMotion::Turn(int seat, int hand, int slot, bool faceUp) {
    TCard& card = cards_.Card(seat, hand, slot);
    card.SetCard(round_.At(seat).Hand(hand).Card(slot));
    card.SetFaceUp(faceUp);
}

void CardMotion::FlyCard(TCard& card, int left, int top) {
    const Point shoe = geometry_.Shoe;
    app_.PlaySound(kCardSound);
    card.SetPosition(shoe.x, shoe.y);
    card.Show();
    delay(10);
    const double dx = shoe.x - left;
    const double dy = shoe.y - top;
    const int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
    const int speed = flightSpeed_ > 0 ? flightSpeed_ : kFlightSpeeds[2];
    for (int e = d; e > 0;) {
        e = std::max(e - speed, 0);
        // The place stays in whole layout pixels; the card is drawn at the exact point of its
        // straight line, to the output's pixel.
        const double x = e * dx / d;
        const double y = e * dy / d;
        card.SetPosition(left + static_cast<int>(x), top + static_cast<int>(y));
        card.SetDrawShift(x - static_cast<int>(x), y - static_cast<int>(y));
        delay(1);
    }
    card.SetDrawShift(0, 0);
}

void CardMotion::SlidePair(int seat) {
    if (slide_.Style == SplitSlide::Kind::ToRows)
        SlideToRows(seat);
    else
        SlideSideways(seat);
}

TCard& CardMotion::TwinAt(int seat, const TCard& from) {
    TCard& twin = cards_.Card(seat, Seat::kSplit, 2);
    twin.SetCard(round_.At(seat).Split().Card(2));
    twin.SetFaceUp(true);
    twin.SetPosition(from.Left(), from.Top());
    twin.Show();
    return twin;
}

void CardMotion::SlideSideways(int seat) {
    TCard& mainFirst = cards_.Card(seat, Seat::kMain, 1);
    TCard& mainSecond = cards_.Card(seat, Seat::kMain, 2);
    TCard& twin = TwinAt(seat, mainSecond);
    if (slide_.KeptHiddenWhileTwinMoves)
        mainSecond.Hide();
    for (int i = 0; i < slide_.TwinSteps; ++i) {
        twin.SetPosition(twin.Left() + slide_.TwinStepPx, twin.Top());
        delay(1);
    }
    // The card that stays is drawn in first place and slides back into second place, where
    // the new face-down card will lie under it.
    mainSecond.SetPosition(mainFirst.Left(), mainFirst.Top());
    mainSecond.Show();
    mainFirst.Hide();
    for (int i = 0; i < slide_.BackSteps; ++i) {
        mainSecond.SetPosition(mainSecond.Left() + slide_.BackStepPx, mainSecond.Top());
        delay(1);
    }
    if (slide_.AfterMs > 0)
        delay(slide_.AfterMs);
}

void CardMotion::SlideToRows(int seat) {
    // The face-up twin in first place becomes the split hand's second card, and the other
    // twin moves with the main hand to its row; both move a few pixels a step on each axis.
    TCard& mainFirst = cards_.Card(seat, Seat::kMain, 1);
    TCard& kept = cards_.Card(seat, Seat::kMain, 2);
    TCard& twin = TwinAt(seat, mainFirst);
    mainFirst.Hide();
    const Point twinTo = CardPlace(seat, Seat::kSplit, 2);
    const Point keptTo = CardPlace(seat, Seat::kMain, 2);
    const int step = slide_.RowStepPx;
    const auto toward = [step](int from, int to) {
        return from + std::clamp(to - from, -step, step);
    };
    while (twin.Left() != twinTo.x || twin.Top() != twinTo.y || kept.Left() != keptTo.x ||
           kept.Top() != keptTo.y) {
        twin.SetPosition(toward(twin.Left(), twinTo.x), toward(twin.Top(), twinTo.y));
        kept.SetPosition(toward(kept.Left(), keptTo.x), toward(kept.Top(), keptTo.y));
        delay(1);
    }
}

} // namespace quorvel
