// The user's play of one hand against the banker's outcomes, counted exactly: the expected
// result of standing, of hitting and then playing on as well as can be, and of doubling, and
// the best of them, also for each face-down card the banker may hold (what a look is worth).
// The user's possible hands are walked once each, whatever order their cards came in; each
// carries the chance of every banker outcome alongside it (OddsBanker.h).
#pragma once

#include "cards/OddsBanker.h"
#include "cards/OddsDeck.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quorvel::odds {

struct PlayRules {
    double bet = 0;            // [money] the hand's stake
    double jackpot = 0;        // [money] paid besides a win
    double doubledJackpot = 0; // [money] paid besides a win of the doubled stake
    // The moves the user has first; later the user may always stand, or hit while it can.
    bool stand = true, hit = true, doubles = false;
    // A split hand: its face-down card is dealt before its first decision.
    bool firstCardForced = false;
    // A doubled hand: the first hit is its last card.
    bool oneCardOnly = false;
    // Also the values knowing the banker's face-down card, by bin.
    bool byHole = false;
};

// [money] Expected results, each weighted by the chance of the banker outcomes it covers (the
// whole deck: weights add up to 1; a swap's branch: to that branch's chance).
struct PlayValues {
    double stand = 0, hit = 0, doubles = 0;
    double best = 0; // the best first move the rules allow
    std::array<double, BankerOutcomes::kMaxBins> bestByHole{};
};

class HandPlay {
public:
    PlayValues Evaluate(const THand& hand, const Deck& deck, const BankerOutcomes& banker,
                        const PlayRules& rules);

private:
    static constexpr int kBins = BankerOutcomes::kMaxBins;
    using Counts = std::array<std::uint8_t, kMaxKinds>;
    using ByHole = std::array<double, kBins>;
    // A hand's best value and its chance, both for one order of its cards, in all and by bin.
    struct Value {
        double best = 0, mass = 0;
        ByHole byHole{}, massByHole{};
    };
    // One pass over the banker's outcomes for a hand (OddsPlay.cpp).
    struct Sums {
        double stand = 0, mass = 0;
        ByHole standByHole{}, massByHole{};
        ByHole carried{}; // what goes on to the cards of the plain kinds, by bin
    };

    // Values the hand and remembers it: the index of its value.
    int Visit(int depth, const THand& hand, const Counts& drawn, PlayValues* root);
    // Draws a card of kind `kind` into the weights of depth + 1.
    void Draw(int depth, int kind, int avail);
    // The hand's result summed over the banker's outcomes with the weights of `depth`.
    Sums Stand(int depth, const THand& hand, double bet, double jackpot, const Counts& drawn);
    bool CanHit(int depth, const THand& hand) const;
    double* Weights(int depth) { return weights_.data() + std::size_t(depth) * outcomes_; }
    int Find(const Counts& drawn) const;
    int Remember(const Counts& drawn, const Value& value);

    const Deck* deck_ = nullptr;
    const BankerOutcomes* banker_ = nullptr;
    PlayRules rules_;
    int decisionDepth_ = 0;
    int outcomes_ = 0;
    int bins_ = 0;
    bool smallDeck_ = false;
    std::vector<double> weights_; // by depth, then outcome
    // The hands already valued, by the cards drawn.
    std::vector<Counts> keys_;
    std::vector<Value> values_;
    std::vector<int> table_;
};

} // namespace quorvel::odds
