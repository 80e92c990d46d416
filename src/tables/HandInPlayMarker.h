// The quiet marker under the user's hand in play after a split: a soft gold plate a few pixels
// larger than the hand's cards, lying under them, so that a gold edge shows around the hand.
// The pointer and clicks over the plate are the table background's, as without it.
#pragma once

#include <span>

namespace quorvel {

class Image;
class Panel;
class Screen;
class TCard;

class HandInPlayMarker {
public:
    // Creates the plate, hidden, on the table; made before the cards, which then lie on it.
    // `background` is the table's background control, looked up when the pointer arrives.
    HandInPlayMarker(Screen& table, Image* const& background);

    // Lays the plate under the cards that show, or hides it when none does.
    void Under(std::span<TCard* const> cards);
    void Hide();

private:
    Panel& plate_;
};

} // namespace quorvel
