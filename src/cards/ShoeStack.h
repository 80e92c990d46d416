// A stacked shoe for tests and scripts: the next new shoe made by any table deals these cards
// first, then the rest of the four decks in build order. Consumed by that next NewShoe.
#pragma once

#include "cards/CardCode.h"

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

private:
    std::vector<TShoeCard> cards_;
};

} // namespace quorvel
