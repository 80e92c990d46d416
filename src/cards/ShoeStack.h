// A stacked shoe for tests and scripts: the next new shoe made by any table deals these cards
// first, then the rest of the four decks in build order. Consumed by that next NewShoe. Or a
// whole shoe made ahead, which the next new shoe takes as it is: the simulator shuffles each
// shoe once and deals it at several tables.
#pragma once

#include "cards/CardCode.h"
#include "cards/Shoe.h"

#include <string_view>
#include <vector>

namespace quorvel {

class ShoeStack {
public:
    // Throws ScriptError for a fifth copy of a card.
    void Add(TShoeCard card);
    // Parses a card code; throws ScriptError for a bad code or a fifth copy.
    void Add(std::string_view code);

    bool Empty() const { return cards_.empty(); }
    const std::vector<TShoeCard>& Cards() const { return cards_; }
    // The whole 208-card order (stack, then the rest in build order) and empties the stack.
    std::vector<TShoeCard> TakeShoeOrder();

    // The next new shoe is `order` as it is, whatever is stacked; it must hold the four decks,
    // as a shuffled shoe does.
    void PrepareShoe(const TShoe& order) {
        prepared_ = order;
        hasPrepared_ = true;
    }
    bool HasPreparedShoe() const { return hasPrepared_; }
    // Copies the prepared shoe into `into` and forgets it; false when none is prepared.
    bool TakePreparedShoe(TShoe& into) {
        if (!hasPrepared_)
            return false;
        into = prepared_;
        hasPrepared_ = false;
        return true;
    }

private:
    std::vector<TShoeCard> cards_;
    TShoe prepared_;
    bool hasPrepared_ = false;
};

} // namespace quorvel
