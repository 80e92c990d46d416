// The unknown cards as the odds advisor counts them. Cards that play alike are one kind: from
// the third card of a hand on only a card's points class counts (ace, two .. nine, ten-valued),
// so most kinds are a whole class. A card whose suit can make a two-card suited ace-jack with a
// split pair is a kind of its own, and so are the swap's moved cards: the card given back and
// the copies of the asked-for card behind it.
#pragma once

#include "cards/Hand.h"

#include <array>
#include <span>

namespace quorvel::odds {

inline constexpr int kClasses = 10; // ace, two .. nine, ten-valued
inline constexpr int kCodes = 29;   // hand value codes 0..28
inline constexpr int kCells = 52;   // unseen-table rows x ranks
inline constexpr int kMaxKinds = 16;

using Cells = std::array<int, kCells>; // unknown cards by cell

inline int ClassOf(TCardValue rank) {
    return rank >= cvTen ? 9 : int(rank);
}
// A card of the class: a ten for the ten-valued cards, the club of the others.
inline TShoeCard ClassCard(int cls) {
    return {static_cast<TCardValue>(cls == 9 ? cvTen : cls), csClub};
}
int CellOf(TShoeCard card);
TShoeCard CellCard(int cell);
// The card that makes a suited ace-jack with `card`, or -1 for a card that makes none.
int PartnerCell(TShoeCard card);

// The swap's rearrangement of the cards to come: every undealt copy of the asked-for card
// stays where it was, except the first in the shoe, which now holds the card given back.
struct SwapChain {
    int targetCell = -1;
    TShoeCard given{};
};

struct CardKind {
    int count = 0;  // [cards]
    int cls = 0;    // the points class [0-9]
    TShoeCard card; // the card put into a hand for it: its own card when its suit can matter
};

class Deck {
public:
    // The unknown cards; `exact` cells become kinds of their own. With a chain, the target
    // cell's copies become two kinds: the card given back (one) and the copies behind it (the
    // others; the first copy is the given card's place, see OddsDeck.cpp).
    Deck(const Cells& cells, std::span<const int> exact, const SwapChain* chain = nullptr);

    int Kinds() const { return kinds_; }
    const CardKind& Kind(int k) const { return kind_[k]; }
    int Total() const { return total_; } // [cards] the unknown cards, before any swap
    const Cells& CellCounts() const { return cells_; }
    // The kind a card of this cell is counted under (the copies' kind for the target).
    int KindOfCell(int cell) const { return kindOfCell_[cell]; }
    // The chain's kinds, -1 without one; `ChainLength` is the target's unknown copies.
    int GivenKind() const { return given_; }
    int CopyKind() const { return copies_; }
    int ChainLength() const { return chain_; }

private:
    int Add(int count, int cls, TShoeCard card);

    std::array<CardKind, kMaxKinds> kind_{};
    int kinds_ = 0;
    int total_ = 0;
    Cells cells_{};
    std::array<int, kCells> kindOfCell_{};
    int given_ = -1;
    int copies_ = -1;
    int chain_ = 0;
};

// A hand of three or more cards, valued as it grows without EvaluateHand's loop: the banker's
// draws are walked thousands of times per decision.
struct GrowingHand {
    int cards = 0, hard = 0, aces = 0, sixes = 0, sevens = 0, eights = 0;
    int code = 1; // the value code once it has three or more cards

    explicit GrowingHand(const THand& start);
    GrowingHand With(int cls) const;
};

} // namespace quorvel::odds
