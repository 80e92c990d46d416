// How a card is encoded everywhere: its suit and rank, and one entry of the shoe. The shoe,
// the hand rules, the computer players and the round all work on these values; only a table's
// view turns them into card controls.
#pragma once

#include <cstdint>

namespace quorvel {

enum TCardSuit : std::uint8_t { csClub = 0, csDiamond = 1, csHeart = 2, csSpade = 3 };

enum TCardValue : std::uint8_t {
    cvAce = 0,
    cvTwo,
    cvThree,
    cvFour,
    cvFive,
    cvSix,
    cvSeven,
    cvEight,
    cvNine,
    cvTen,
    cvJack,
    cvQueen,
    cvKing
};

// One card: the rank byte first, then the suit byte, as a shoe entry stores it.
struct TShoeCard {
    TCardValue Rank = cvAce;
    TCardSuit Suit = csClub;
    friend bool operator==(const TShoeCard&, const TShoeCard&) = default;
};

} // namespace quorvel
