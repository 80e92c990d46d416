// The stacked shoe of tests and scripts.
#include "cards/ShoeStack.h"

#include "cards/ScriptError.h"
#include "cards/Shoe.h"

#include <algorithm>
#include <string>

namespace quorvel {

void ShoeStack::Add(TShoeCard card) {
    if (std::count(cards_.begin(), cards_.end(), card) >= 4)
        throw ScriptError("stacked shoe: a fifth " + CardCode(card));
    cards_.push_back(card);
}

void ShoeStack::Add(std::string_view code) {
    const auto card = ParseCardCode(code);
    if (!card)
        throw ScriptError("stacked shoe: not a card code: " + std::string(code));
    Add(*card);
}

std::vector<TShoeCard> ShoeStack::TakeShoeOrder() {
    std::vector<TShoeCard> order = cards_;
    TShoe built;
    BuildShoe(built);
    // Each stacked card takes one copy out of the build order.
    std::vector<TShoeCard> rest(built.Entries().begin(), built.Entries().end());
    for (const TShoeCard& card : cards_)
        rest.erase(std::find(rest.begin(), rest.end(), card));
    order.insert(order.end(), rest.begin(), rest.end());
    cards_.clear();
    return order;
}

} // namespace quorvel
