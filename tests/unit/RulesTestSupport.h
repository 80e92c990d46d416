// Helpers for the rules tests: a hand with its own card controls set from card codes, a shoe
// laid out from card codes, and a random source that plays back scripted shuffle draws.
#pragma once

#include "cards/CardCode.h"
#include "cards/HandRules.h"
#include "cards/Shoe.h"
#include "players/HandRecord.h"
#include "players/Payouts.h"

#include <algorithm>
#include <deque>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel::test {

inline TShoeCard Code(const char* code) {
    const auto card = ParseCardCode(code);
    if (!card)
        throw std::invalid_argument(code);
    return *card;
}

struct TestHand {
    THandRecord hand;

    explicit TestHand(std::string name = "閒家") { hand.Name = std::move(name); }

    // Sets the cards in slots 1.. and values the hand.
    THandRecord& Set(std::initializer_list<const char*> codes) {
        int slot = 0;
        for (const char* code : codes)
            hand.Card(++slot) = Code(code);
        hand.CardCount = slot;
        EvaluateHand(hand);
        return hand;
    }
    std::string CardAt(int slot) const { return CardCode(hand.Card(slot)); }
};

// A shoe in build order with the given cards moved to the front (positions 1..), unseen 4s.
inline TableShoe StackedShoe(const std::vector<const char*>& front, int position = 0) {
    TableShoe shoe;
    BuildShoe(shoe.Dealing);
    std::vector<TShoeCard> rest(shoe.Dealing.Entries().begin(), shoe.Dealing.Entries().end());
    std::vector<TShoeCard> order;
    for (const char* code : front) {
        const TShoeCard card = Code(code);
        auto it = std::find(rest.begin(), rest.end(), card);
        if (it == rest.end())
            throw std::invalid_argument(code);
        rest.erase(it);
        order.push_back(card);
    }
    order.insert(order.end(), rest.begin(), rest.end());
    for (int i = 1; i <= kShoeSize; ++i)
        shoe.Dealing.At(i) = order[i - 1];
    shoe.Work = shoe.Dealing;
    shoe.Unseen.Fill(4);
    shoe.Position = position;
    return shoe;
}

// Each suit and rank exactly four times.
inline bool IsFourDecks(const TShoe& shoe) {
    std::map<std::pair<int, int>, int> counts;
    for (const TShoeCard& card : shoe.Entries())
        ++counts[{card.Rank, card.Suit}];
    if (counts.size() != 52)
        return false;
    for (const auto& [card, count] : counts)
        if (count != 4)
            return false;
    return true;
}

// Rule draws from a script (throws when it runs out); shuffle draws from their own script,
// then 1s.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<int> rules;
    std::deque<int> shuffle;
    int ruleDraws = 0;

    int Draw(DrawStream stream, int lo, int hi) override {
        std::deque<int>& script = stream == DrawStream::Rules ? rules : shuffle;
        if (stream == DrawStream::Rules)
            ++ruleDraws;
        if (script.empty()) {
            if (stream == DrawStream::Rules)
                throw std::logic_error("unexpected rule draw");
            return lo;
        }
        const int value = script.front();
        script.pop_front();
        if (value < lo || value > hi)
            throw std::logic_error("scripted draw out of range");
        return value;
    }
};

} // namespace quorvel::test
