// The banker's tree of forced draws: built once per starting hand, walked per set of cards.
#include "cards/BankerDraws.h"

#include "cards/HandRules.h"

#include <algorithm>

namespace quorvel::odds {

THand WithCard(THand hand, TShoeCard card) {
    hand.CardCount += 1;
    hand.Card(hand.CardCount) = card;
    EvaluateHand(hand);
    return hand;
}

BankerTree::BankerTree(const THand& start) {
    nodes_.push_back({0, 0, static_cast<std::uint8_t>(start.HandValue), 0});
    Expand(0, start);
}

void BankerTree::Expand(int index, const THand& hand) {
    const int code = hand.HandValue;
    if (code < 1 || code > 16 || hand.CardCount >= kHandSlots)
        return;
    const int first = int(nodes_.size());
    nodes_[index].first = static_cast<std::uint16_t>(first);
    nodes_[index].children = kClasses;
    nodes_.resize(first + kClasses);
    for (int cls = 0; cls < kClasses; ++cls) {
        const THand next = WithCard(hand, ClassCard(cls));
        nodes_[first + cls] = {0, 0, static_cast<std::uint8_t>(next.HandValue),
                               static_cast<std::uint8_t>(cls)};
        Expand(first + cls, next);
    }
}

// The cards left along a path as lane 0 sees them; lane i sees count[cls] + offset[cls][i]
// plain cards of each class, and one card fewer in all when it is not lane 0. Every lane is
// walked: a lane not wanted has no chance, which keeps the loops over lanes straight.
struct BankerTree::WalkState {
    std::array<int, kClasses> count{};
    int chain = 0; // copies of the swapped-for card still undealt, none once one is drawn
    int chainFirst = 0;
    int chainRest = 0;
    std::array<Chances, kClasses> offset{};
    Chances hasChain{};                   // 1, or 0 for the chain lane
    std::array<Chances, kCodes> result{}; // by final code, then lane
};

LaneDists BankerTree::Walk(const DrawPool& pool, const std::array<bool, kLanes>& wanted) const {
    WalkState state;
    for (int cls = 0; cls < kClasses; ++cls)
        state.count[cls] = pool.count[cls];
    state.chain = pool.chain;
    state.chainFirst = pool.chainFirst;
    state.chainRest = pool.chainRest;
    Chances chance{};
    for (int lane = 0; lane < kLanes; ++lane) {
        chance[lane] = wanted[lane] ? 1.0 : 0.0;
        state.hasChain[lane] = lane == kChainLane ? 0.0 : 1.0;
    }
    for (int cls = 0; cls < kClasses; ++cls)
        state.offset[cls][1 + cls] = -1;
    state.offset[pool.chainRest][kChainLane] = pool.chain - 1;
    Down(0, state, pool.Total(), chance);
    LaneDists dists{};
    for (int code = 0; code < kCodes; ++code)
        for (int lane = 0; lane < kLanes; ++lane)
            dists[lane][code] = state.result[code][lane];
    return dists;
}

// `total` is lane 0's number of cards left.
void BankerTree::Walk(int index, WalkState& state, int total, const Chances& chance) const {
    const Node& node = nodes_[index];
    Chances share{};
    const double stand = 1.0 / total; // lane 0 has a card left: the node was entered
    const double took = total > 1 ? 1.0 / (total - 1) : 0.0;
    share[kStandLane] = chance[kStandLane] * stand;
    for (int lane = 1; lane < kLanes; ++lane)
        share[lane] = chance[lane] * took;
    if (total == 1) // the lanes of a card the user took have none left: the banker stands
        for (int lane = 1; lane < kLanes; ++lane)
            state.result[node.code][lane] += chance[lane];
    for (int k = 0; k < node.children; ++k) {
        const int child = node.first + k;
        const int cls = nodes_[child].cls;
        const double count = state.count[cls];
        Chances next;
        double any = 0;
        for (int lane = 0; lane < kLanes; ++lane) {
            const double ways = std::max(count + state.offset[cls][lane], 0.0);
            next[lane] = share[lane] * ways;
            any += next[lane];
        }
        if (any > 0) {
            --state.count[cls];
            Down(child, state, total - 1, next);
            ++state.count[cls];
        }
        if (state.chain > 0 && cls == state.chainFirst) {
            // The card the swap put back; the other copies are plain cards from now on.
            for (int lane = 0; lane < kLanes; ++lane)
                next[lane] = share[lane] * state.chain * state.hasChain[lane];
            const int chain = state.chain;
            state.chain = 0;
            state.count[state.chainRest] += chain - 1;
            Down(child, state, total - 1, next);
            state.count[state.chainRest] -= chain - 1;
            state.chain = chain;
        }
    }
}

// Into a node: a hand that stands, or lane 0 with no card left, takes its chances at once.
void BankerTree::Down(int index, WalkState& state, int total, const Chances& chance) const {
    const Node& node = nodes_[index];
    if (node.children != 0 && total > 0) {
        Walk(index, state, total, chance);
        return;
    }
    for (int lane = 0; lane < kLanes; ++lane)
        state.result[node.code][lane] += chance[lane];
}

} // namespace quorvel::odds
