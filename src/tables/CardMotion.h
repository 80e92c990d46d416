// How cards move on a table: where each card of each hand lies as the round stands, a dealt
// card's flight from the shoe to its place at the speed chosen at the table, a card turned in
// its place, and the split pair moving apart onto the two hands. Every move waits through the
// app's blocking wait, so the round goes on only once the card is in place.
#pragma once

#include "gui/Geometry.h"
#include "round/RoundFacts.h"
#include "tables/TableDesign.h"

#include <array>

namespace quorvel {

class App;
class HandCards;
class TCard;

class CardMotion {
public:
    // Card flight speeds [px per step] offered by the speed choices; the last is the default.
    static constexpr std::array<int, 3> kFlightSpeeds{100, 60, 45};

    CardMotion(App& app, const RoundFacts& round, HandCards& cards, const CardGeometry& geometry,
               const SplitSlide& slide);

    int FlightSpeed() const { return flightSpeed_; }
    void SetFlightSpeed(int pixelsPerStep) { flightSpeed_ = pixelsPerStep; }

    // Where a hand's card at slot [1-19] lies as the round stands [layout px]: a seat that has
    // split lays its hands apart.
    Point CardPlace(int seat, int hand, int slot) const;
    // Where the first `cards` cards of a hand lie [layout px].
    Rect CardArea(int seat, int hand, int cards) const;

    // The record's card at slot shows on its control, face up or down, and flies to its place.
    void Deal(int seat, int hand, int slot, bool faceUp);
    // The record's card at slot shows on its control, face up or down, where it lies.
    void Turn(int seat, int hand, int slot, bool faceUp);
    // Flies a card from the shoe point to (left, top) in straight steps of FlightSpeed pixels.
    void FlyCard(TCard& card, int left, int top);
    // The split pair moves apart: the twin becomes the split hand's second card.
    void SlidePair(int seat);

private:
    // The split hand's second card, the twin of the pair, face up where `from` lies.
    TCard& TwinAt(int seat, const TCard& from);
    void SlideSideways(int seat);
    void SlideToRows(int seat);
    void delay(int ms);

    App& app_;
    const RoundFacts& round_;
    HandCards& cards_;
    const CardGeometry& geometry_;
    const SplitSlide& slide_;
    int flightSpeed_ = kFlightSpeeds[2];
};

} // namespace quorvel
