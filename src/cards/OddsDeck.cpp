// The unknown cards by kind, and a hand valued card by card as the banker draws.
//
// The swap's chain as kinds: the asked-for card's undealt copies keep their places, and the
// first of them in the shoe holds the card given back. Counted over every order of the cards
// to come, that is every order of the given card and the copies in which the given card comes
// first among them, each such order weighing as much as all the orders it stands for (as many
// as there are copies). OddsPlay.cpp applies that weight; here the given card is one kind of
// one card and the other copies another kind.
#include "cards/OddsDeck.h"

#include "cards/HandRules.h"
#include "cards/Shoe.h"

#include <algorithm>

namespace quorvel::odds {

int CellOf(TShoeCard card) {
    return (TCardCounts::SuitRow(card.Suit) - 1) * 13 + card.Rank;
}

TShoeCard CellCard(int cell) {
    return {static_cast<TCardValue>(cell % 13), TCardCounts::RowSuit(cell / 13 + 1)};
}

int PartnerCell(TShoeCard card) {
    if (card.Rank == cvAce)
        return CellOf({cvJack, card.Suit});
    if (card.Rank == cvJack)
        return CellOf({cvAce, card.Suit});
    return -1;
}

int Deck::Add(int count, int cls, TShoeCard card) {
    kind_[kinds_] = {count, cls, card};
    return kinds_++;
}

Deck::Deck(const Cells& cells, std::span<const int> exact, const SwapChain* chain)
    : cells_(cells) {
    const int target = chain ? chain->targetCell : -1;
    std::array<bool, kCells> own{};
    for (int cell : exact)
        if (cell >= 0 && cell != target && !own[cell]) {
            own[cell] = true;
            kindOfCell_[cell] = Add(cells[cell], ClassOf(CellCard(cell).Rank), CellCard(cell));
        }
    for (int cls = 0; cls < kClasses; ++cls) {
        // A card of the class as a hand holds it: a ten for the ten-valued cards (a ten never
        // makes a suited ace-jack), an ace of a suit whose suited jack is not a partner.
        TShoeCard card = ClassCard(cls);
        for (TCardSuit suit : {csClub, csDiamond, csHeart, csSpade}) {
            card.Suit = suit;
            if (!own[CellOf(card)])
                break;
        }
        int count = 0;
        for (int cell = 0; cell < kCells; ++cell)
            if (!own[cell] && cell != target && ClassOf(CellCard(cell).Rank) == cls)
                count += cells[cell];
        const int kind = Add(count, cls, card);
        for (int cell = 0; cell < kCells; ++cell)
            if (!own[cell] && cell != target && ClassOf(CellCard(cell).Rank) == cls)
                kindOfCell_[cell] = kind;
    }
    if (chain) {
        chain_ = cells[target];
        const TShoeCard wanted = CellCard(target);
        given_ = Add(chain_ > 0 ? 1 : 0, ClassOf(chain->given.Rank), chain->given);
        copies_ = Add(std::max(chain_ - 1, 0), ClassOf(wanted.Rank), wanted);
        kindOfCell_[target] = copies_;
    }
    for (int cell = 0; cell < kCells; ++cell)
        total_ += cells[cell];
}

GrowingHand::GrowingHand(const THand& start) : cards(start.CardCount), code(start.HandValue) {
    for (int slot = 1; slot <= start.CardCount; ++slot) {
        const int cls = ClassOf(start.Card(slot).Rank);
        hard += cls + 1;
        aces += cls == 0;
        sixes += cls == 5;
        sevens += cls == 6;
        eights += cls == 7;
    }
}

// The same value codes as EvaluateHand gives a hand of three or more cards.
GrowingHand GrowingHand::With(int cls) const {
    GrowingHand next = *this;
    ++next.cards;
    next.hard += cls + 1;
    next.aces += cls == 0;
    next.sixes += cls == 5;
    next.sevens += cls == 6;
    next.eights += cls == 7;
    const int total = next.aces > 0 && next.hard + 10 <= 21 ? next.hard + 10 : next.hard;
    if (next.hard > 21)
        next.code = kBustCode;
    else if (next.cards == 3 && total == 21 && next.sixes == 1 && next.sevens == 1 &&
             next.eights == 1)
        next.code = kSixSevenEightCode;
    else if (next.cards == 3 && total == 21 && next.sevens == 3)
        next.code = kThreeSevensCode;
    else if (next.cards == 5)
        next.code = kFiveCardsCode;
    else if (next.cards == 6)
        next.code = kSixCardsCode;
    else if (next.cards >= 7)
        next.code = kSevenCardsCode;
    else
        next.code = total;
    return next;
}

} // namespace quorvel::odds
