// Drawing cards by point class for the odds advisor. From the third card on, a hand's value
// depends only on the points of its cards (ace, two .. nine, ten-valued: the suited ace-jack
// needs two cards, 6-7-8 and three sevens only their points), so the cards to come are counted
// by these ten classes, and the banker's forced drawing is a tree over them.
#pragma once

#include "cards/Hand.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quorvel::odds {

inline constexpr int kClasses = 10; // ace, two .. nine, ten-valued
inline constexpr int kCodes = 29;   // value codes 0..28

inline int ClassOf(TCardValue rank) {
    return rank >= cvTen ? 9 : rank;
}
// A card of the class; its suit does not matter from the third card of a hand on.
inline TShoeCard ClassCard(int cls) {
    return {static_cast<TCardValue>(cls), csClub};
}
// The hand with one more card, valued by EvaluateHand.
THand WithCard(THand hand, TShoeCard card);

using Dist = std::array<double, kCodes>; // chance of each final banker value code

// The cards still to come, by point class. `chain` copies of the swapped-for card are still
// undealt: the first of them in the shoe now holds the card the swap put back (class
// `chainFirst`), the others are that card itself (class `chainRest`).
struct DrawPool {
    std::array<std::uint8_t, kClasses> count{};
    std::uint8_t chain = 0;
    std::uint8_t chainFirst = 0;
    std::uint8_t chainRest = 0;

    int Total() const {
        int total = chain;
        for (std::uint8_t c : count)
            total += c;
        return total;
    }
};

// Calls f(class, ways, pool after the draw) for each different next card.
template <class F> void ForEachDraw(const DrawPool& pool, F&& f) {
    for (int cls = 0; cls < kClasses; ++cls) {
        if (pool.count[cls] == 0)
            continue;
        DrawPool rest = pool;
        --rest.count[cls];
        f(cls, pool.count[cls], rest);
    }
    if (pool.chain > 0) {
        DrawPool rest = pool;
        rest.count[pool.chainRest] += static_cast<std::uint8_t>(pool.chain - 1);
        rest.chain = 0;
        f(pool.chainFirst, pool.chain, rest);
    }
}

// The sets of cards the banker can draw from, walked together: lane 0 the cards left as they
// are (the user stands), lane 1 + c the cards left less one card of class c (the user took
// it), kChainLane the cards left less the card the swap put back (the user took that one, the
// other copies of the swapped-for card are then plain cards).
inline constexpr int kStandLane = 0;
inline constexpr int kChainLane = 1 + kClasses;
inline constexpr int kLanes = 2 + kClasses;
using LaneDists = std::array<Dist, kLanes>;

// The banker's draws from one starting hand by the forced rule, as a tree of point classes.
// Its shape depends on the hand alone, so it is built once with EvaluateHand and then walked
// for each set of cards left, adding up the chance of every path in every lane at once.
class BankerTree {
public:
    explicit BankerTree(const THand& start);

    // The chance of each final code in each lane wanted (other lanes stay zero). A lane of a
    // card the user took must have that card in `pool`.
    LaneDists Walk(const DrawPool& pool, const std::array<bool, kLanes>& wanted) const;

private:
    struct Node {
        std::uint16_t first;   // children, one per class, from here
        std::uint8_t children; // 0 for a hand that stands
        std::uint8_t code;     // the hand's value code
        std::uint8_t cls;      // the class of the card that made it
    };
    struct WalkState;
    using Chances = std::array<double, kLanes>;

    void Expand(int index, const THand& hand);
    void Walk(int index, WalkState& state, int total, const Chances& chance) const;
    void Down(int index, WalkState& state, int total, const Chances& chance) const;

    std::vector<Node> nodes_;
};

} // namespace quorvel::odds
