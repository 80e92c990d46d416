// The user's hands walked depth first, each valued once: a hand reached by other orders of the
// same cards has the same chance and the same future, so its value is remembered by the cards
// drawn. Weights: for each banker outcome, the chance of that outcome and of the user's cards
// so far in one order; a draw multiplies in the chance of the next card with the banker's
// cards set aside (OddsBanker.h).
#include "cards/OddsPlay.h"

#include "cards/HandRules.h"

#include <algorithm>
#include <cstring>

namespace quorvel::odds {

namespace {
// [cards] The model's user stands on seven cards: seven or more cards are one value with one
// bonus, so more cards could only change the banker's chances, and on average a card taken
// leaves them as they were. Where the banker may run out of cards, in a small deck, a card
// taken can leave it short: there the user may go on.
constexpr int kNothingToGainFrom = 7;
constexpr int kSmallDeck = 2 * kHandSlots; // [cards]

// Sums of products over outcomes [begin, end), in four parts so that the additions need not
// wait for one another.
template <class... Factors> double SumOf(int begin, int end, const Factors*... f) {
    double part[4] = {0, 0, 0, 0};
    int i = begin;
    for (; i + 3 < end; i += 4)
        for (int j = 0; j < 4; ++j)
            part[j] += (1.0 * ... * f[i + j]);
    for (; i < end; ++i)
        part[0] += (1.0 * ... * f[i]);
    return (part[0] + part[1]) + (part[2] + part[3]);
}

std::size_t HashOf(const std::array<std::uint8_t, kMaxKinds>& drawn) {
    std::uint64_t a = 0, b = 0;
    std::memcpy(&a, drawn.data(), 8);
    std::memcpy(&b, drawn.data() + 8, 8);
    return std::size_t((a * 0x9E3779B97F4A7C15ULL ^ b * 0xC2B2AE3D27D4EB4FULL) >> 17);
}
} // namespace

PlayValues HandPlay::Evaluate(const THand& hand, const Deck& deck, const BankerOutcomes& banker,
                              const PlayRules& rules) {
    deck_ = &deck;
    banker_ = &banker;
    rules_ = rules;
    decisionDepth_ = rules.firstCardForced ? 1 : 0;
    outcomes_ = banker.Size();
    bins_ = banker.OutcomeBins();
    smallDeck_ = deck.Total() < kSmallDeck;
    const int depths = decisionDepth_ + kHandSlots + 2;
    weights_.resize(std::size_t(depths) * std::max(outcomes_, 1));
    std::copy(banker.chance.begin(), banker.chance.end(), Weights(0));
    keys_.clear();
    values_.clear();
    table_.assign(1024, -1);
    PlayValues root;
    const Value& value = values_[Visit(0, hand, Counts{}, &root)];
    root.best = value.best;
    root.bestByHole = value.byHole;
    return root;
}

bool HandPlay::CanHit(int depth, const THand& hand) const {
    if (hand.CardCount >= kHandSlots || (hand.CardCount >= 2 && hand.HandValue == kBustCode))
        return false;
    if (!smallDeck_ && hand.CardCount >= kNothingToGainFrom)
        return false;
    // The banker's face-down card is dealt: the user draws from the others.
    return deck_->Total() - 1 - depth > 0;
}

int HandPlay::Visit(int depth, const THand& hand, const Counts& drawn, PlayValues* root) {
    const Deck& deck = *deck_;
    const int given = deck.GivenKind(), copies = deck.CopyKind();
    const bool givenTaken = given >= 0 && drawn[given] > 0;
    const bool forced = depth < decisionDepth_;
    const bool decision = depth == decisionDepth_;
    Sums here;
    if (!forced)
        here = Stand(depth, hand, rules_.bet, rules_.jackpot, drawn);
    const bool hits = forced || (decision ? rules_.hit && CanHit(depth, hand)
                                          : !rules_.oneCardOnly && CanHit(depth, hand));
    const bool doubles =
        decision && rules_.doubles && hand.CardCount == 2 && CanHit(depth, hand);
    double hitAll = 0, doubledAll = 0;
    ByHole hit{}, doubled{}, taken{};
    for (int k = 0; k < deck.Kinds() && (hits || doubles); ++k) {
        const int avail = deck.Kind(k).count - drawn[k];
        // The copies of the asked-for card come only after the card given back.
        if (avail <= 0 || (k == copies && !givenTaken))
            continue;
        const bool plain = k != given && k != copies;
        THand bigger = hand;
        bigger.Card(++bigger.CardCount) = deck.Kind(k).card;
        EvaluateHand(bigger);
        // A plain card that busts the hand only loses the stake: counted all at once below.
        if (plain && bigger.HandValue == kBustCode && bigger.CardCount >= 2)
            continue;
        Counts next = drawn;
        ++next[k];
        const int known = hits ? Find(next) : -1;
        if (known < 0 || doubles)
            Draw(depth, k, avail);
        const ByHole* mass = nullptr;
        Sums d;
        if (doubles) {
            d = Stand(depth + 1, bigger, 2 * rules_.bet, rules_.doubledJackpot, next);
            doubledAll += d.stand;
            for (int b = 0; b < bins_; ++b)
                doubled[b] += d.standByHole[b];
            mass = &d.massByHole;
        }
        if (hits) {
            const Value& child =
                values_[known >= 0 ? known : Visit(depth + 1, bigger, next, nullptr)];
            hitAll += child.best;
            for (int b = 0; b < bins_; ++b)
                hit[b] += child.byHole[b];
            mass = &child.massByHole;
        }
        if (plain)
            for (int b = 0; b < bins_; ++b)
                taken[b] += (*mass)[b];
    }
    if (!forced && (hits || doubles))
        for (int b = 0; b < bins_; ++b) {
            const double bust = here.carried[b] - taken[b];
            hit[b] -= rules_.bet * bust;
            hitAll -= rules_.bet * bust;
            doubled[b] -= 2 * rules_.bet * bust;
            doubledAll -= 2 * rules_.bet * bust;
        }

    // The best of the moves the user has here; standing when the user has none.
    const bool mayStand = !forced && (!decision || rules_.stand || !(hits || doubles));
    const auto best = [&](double s, double h, double d) {
        double value = mayStand ? s : -1e300;
        if (hits)
            value = std::max(value, h);
        if (doubles)
            value = std::max(value, d);
        return value;
    };
    Value value;
    value.best = best(here.stand, hitAll, doubledAll);
    value.mass = here.mass;
    value.massByHole = here.massByHole;
    if (rules_.byHole)
        for (int b = 0; b < bins_; ++b)
            value.byHole[b] = best(here.standByHole[b], hit[b], doubled[b]);
    if (root) {
        root->stand = here.stand;
        root->hit = hitAll;
        root->doubles = doubledAll;
    }
    return Remember(drawn, value);
}

void HandPlay::Draw(int depth, int kind, int avail) {
    const double* w = Weights(depth);
    double* out = Weights(depth + 1);
    const double* taken = banker_->taken[kind].data();
    const double a = avail;
    for (const BankerOutcomes::Group& group : banker_->groups) {
        const int left = deck_->Total() - group.used - depth;
        const double perCard = left > 0 ? 1.0 / left : 0.0;
        int i = group.begin;
        for (; i + 3 < group.end; i += 4)
            for (int j = 0; j < 4; ++j)
                out[i + j] = w[i + j] * (a - taken[i + j]) * perCard;
        for (; i < group.end; ++i)
            out[i] = w[i] * (a - taken[i]) * perCard;
    }
}

// Three sums by bin over the outcomes: the hand's result standing and the chance, over those
// that can end here (a banker that ran out of cards only when the user has taken the rest),
// and the chance that goes on to a card of a plain kind, over those that leave the user one
// (a banker out of cards only when the user takes the last).
HandPlay::Sums HandPlay::Stand(int depth, const THand& hand, double bet, double jackpot,
                               const Counts& drawn) {
    const BankerOutcomes& banker = *banker_;
    const Deck& deck = *deck_;
    const int given = deck.GivenKind(), copies = deck.CopyKind();
    const bool givenTaken = given >= 0 && drawn[given] > 0;
    const double* chain = given < 0   ? nullptr
                          : givenTaken ? banker.withGiven.data()
                                       : banker.withoutGiven.data();
    // What the hand earns against each final banker value: a bust hand loses its stake;
    // otherwise its bonus, and the stake won (with the jackpot), pushed or lost.
    std::array<double, kCodes> earned{};
    const int mine = hand.HandValue;
    const double bonus = mine == kBustCode ? 0.0 : bet * BonusMultiple(hand);
    for (int c = 0; c < banker.Codes(); ++c) {
        const int theirs = banker.CodeList()[c];
        if (mine == kBustCode)
            earned[c] = -bet;
        else if (theirs == kBustCode || theirs < mine)
            earned[c] = bonus + bet + jackpot;
        else
            earned[c] = theirs == mine ? bonus : bonus - bet;
    }
    const double* w = Weights(depth);
    // The chain's cards still to come, the user's view [cards].
    const double chainLeft = given < 0 ? 0.0
                                       : double(deck.Kind(given).count - drawn[given] +
                                                deck.Kind(copies).count - drawn[copies]);
    Sums sums;
    for (const BankerOutcomes::Group& group : banker.groups) {
        const int left = deck.Total() - group.used - depth;
        const bool ends = group.exhausted ? left == 0 : left >= 0;
        const bool goesOn = group.exhausted ? left == 1 : left >= 1;
        if (!ends && !goesOn)
            continue;
        for (const BankerOutcomes::Run& run : group.runs) {
            double standSum = 0, massSum = 0, chainedSum = 0;
            for (int g = run.first; g < run.last; ++g) {
                const BankerOutcomes::Segment& segment = banker.segments[g];
                const double m = chain ? SumOf(segment.begin, segment.end, w, chain)
                                       : SumOf(segment.begin, segment.end, w);
                standSum += m * earned[segment.code];
                massSum += m;
                if (chain)
                    chainedSum +=
                        SumOf(segment.begin, segment.end, w, chain, banker.chainTaken.data());
            }
            // The chain's cards are drawn one by one, not as plain cards: their share goes.
            const double special = chainLeft * massSum - chainedSum;
            if (ends) {
                sums.standByHole[run.bin] += standSum;
                sums.massByHole[run.bin] += massSum;
            }
            if (goesOn)
                sums.carried[run.bin] += massSum - (left > 0 ? special / left : 0.0);
        }
    }
    for (int b = 0; b < bins_; ++b) {
        sums.stand += sums.standByHole[b];
        sums.mass += sums.massByHole[b];
    }
    return sums;
}

int HandPlay::Find(const Counts& drawn) const {
    const std::size_t mask = table_.size() - 1;
    for (std::size_t at = HashOf(drawn) & mask; table_[at] >= 0; at = (at + 1) & mask)
        if (keys_[table_[at]] == drawn)
            return table_[at];
    return -1;
}

int HandPlay::Remember(const Counts& drawn, const Value& value) {
    keys_.push_back(drawn);
    values_.push_back(value);
    if (keys_.size() * 2 > table_.size()) {
        table_.assign(table_.size() * 2, -1);
        for (int i = 0; i + 1 < int(keys_.size()); ++i) {
            std::size_t at = HashOf(keys_[i]) & (table_.size() - 1);
            while (table_[at] >= 0)
                at = (at + 1) & (table_.size() - 1);
            table_[at] = i;
        }
    }
    std::size_t at = HashOf(drawn) & (table_.size() - 1);
    while (table_[at] >= 0)
        at = (at + 1) & (table_.size() - 1);
    table_[at] = int(keys_.size()) - 1;
    return table_[at];
}

} // namespace quorvel::odds
